#pragma once

#include <string>

namespace tarsk {

class DialogueView;
struct DialogueContext;

// One conversation, from the opening of the dialogue screen to its closing. The screen asks for
// one step when it opens and one per click until the dialogue says it is over.
class Dialogue {
public:
    explicit Dialogue(std::string id);
    Dialogue(const Dialogue&) = delete;
    Dialogue& operator=(const Dialogue&) = delete;

    // Shows at most one line on the view; returns whether the conversation goes on.
    virtual bool next(const DialogueContext& context, DialogueView& view) = 0;
    virtual ~Dialogue();

    const std::string& getId() const { return id; }

private:
    std::string id;
};

} // namespace tarsk

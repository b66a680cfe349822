#pragma once

#include <memory>
#include <string>

namespace tarsk {

class Dialogue;

// Makes a fresh dialogue of one kind for every conversation; characters name it by its id.
class DialogueFactory_base {
public:
    explicit DialogueFactory_base(std::string id);
    DialogueFactory_base(const DialogueFactory_base&) = delete;
    DialogueFactory_base& operator=(const DialogueFactory_base&) = delete;
    virtual ~DialogueFactory_base();

    // A new dialogue at its first line.
    virtual std::unique_ptr<Dialogue> create() const = 0;

    const std::string& getId() const { return id; }

private:
    std::string id;
};

} // namespace tarsk

#pragma once

#include "game/dialogue/Dialogue.hpp"

#include <string>
#include <vector>

namespace tarsk {

// Tells a fixed list of lines once. The step that shows the last line already ends the
// conversation, so the last line stays on screen only until the screen closes.
class DefaultTextDialogue : public Dialogue {
public:
    // The lines belong to the factory, which outlives its dialogues.
    DefaultTextDialogue(std::string id, const std::vector<std::string>& lines);

    bool next(const DialogueContext& context, DialogueView& view) override;

private:
    const std::vector<std::string>* lines;
    unsigned index = 0;
};

} // namespace tarsk

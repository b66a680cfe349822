#include "game/dialogue/DefaultTextDialogue.hpp"

#include "game/dialogue/DialogueView.hpp"

#include <utility>

namespace tarsk {

DefaultTextDialogue::DefaultTextDialogue(std::string id, const std::vector<std::string>& lines)
    : Dialogue(std::move(id)), lines(&lines) {}

bool DefaultTextDialogue::next(const DialogueContext&, DialogueView& view) {
    if (index < lines->size())
        view.showLine((*lines)[index]);
    // Stops counting once past the end, so asking again keeps answering false.
    if (index < lines->size())
        ++index;
    return index < lines->size();
}

} // namespace tarsk

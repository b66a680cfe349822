#include "game/dialogue/OldManDialogue_02.hpp"

#include "game/dialogue/DialogueView.hpp"

namespace tarsk {

OldManDialogue_02::OldManDialogue_02()
    : Dialogue(Id), lines{"Hello Adventurer, up ahead is the dungeon boss. He is stronger and more fearsome "
                          "than all the other "
                          "frogs.",
                          "To prepare you for this, I want to teach you a special ability: \nHold RIGHT "
                          "CLICK while attacking "
                          "to execute a SWING ATTACK.",
                          "The swing is more powerful and has a bigger reach, but be careful, it also has a "
                          "longer cooldown."} {}

bool OldManDialogue_02::next(const DialogueContext&, DialogueView& view) {
    if (index >= static_cast<int>(lines.size()))
        return false;
    view.showLine(lines[index]);
    ++index;
    return true;
}

} // namespace tarsk

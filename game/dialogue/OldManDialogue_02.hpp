#pragma once

#include "game/dialogue/Dialogue.hpp"

#include <string>
#include <vector>

namespace tarsk {

// The old man before the dungeon boss: three lines of advice, each waiting for a click. He
// changes no mission.
class OldManDialogue_02 : public Dialogue {
public:
    inline static const std::string Id = "OLD_MAN_DIALOGUE_02";

    OldManDialogue_02();

    bool next(const DialogueContext& context, DialogueView& view) override;

private:
    std::vector<std::string> lines;
    int index = 0;
};

} // namespace tarsk

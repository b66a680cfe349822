#pragma once

#include "game/dialogue/Dialogue.hpp"
#include "game/missions/MissionState.hpp"

#include <string>
#include <vector>

namespace tarsk {

// The quest giver on the island. Which block of lines he tells depends only on the states of
// the three demo missions; after the last line of a block he ends the mission that block
// rewards and begins the next one. Each conversation starts every block from its first line.
class OldManDialogue_01 : public Dialogue {
public:
    inline static const std::string Id = "OLD_MAN_DIALOGUE_01";

    OldManDialogue_01();

    bool next(const DialogueContext& context, DialogueView& view) override;

private:
    struct Block {
        std::vector<std::string> lines;
        unsigned index = 0;

        // Shows the next line if there is one left.
        bool tell(DialogueView& view);
    };

    Block giveKillMission;
    Block giveWoodMission;
    Block giveArtifactMission;
    Block thankForArtifact;
    std::string finalLine = "Go away.";
    bool finalLineShown = false;
};

} // namespace tarsk

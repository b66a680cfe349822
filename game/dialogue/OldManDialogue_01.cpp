#include "game/dialogue/OldManDialogue_01.hpp"

#include "game/dialogue/DialogueContext.hpp"
#include "game/dialogue/DialogueView.hpp"
#include "game/missions/MissionManager.hpp"
#include "game/missions/Mission_Demo_Collect_Wood.hpp"
#include "game/missions/Mission_Demo_Kill_Some_Frogs.hpp"
#include "game/missions/Mission_Retrieve_Dungeon_Artifact.hpp"

namespace tarsk {

namespace {

const std::string& killMission = Mission_Demo_Kill_Some_Frogs::Id;
const std::string& woodMission = Mission_Demo_Collect_Wood::Id;
const std::string& artifactMission = Mission_Retrieve_Dungeon_Artifact::Id;

// A game without the mission is in none of its states.
bool isIn(const MissionManager& missions, const std::string& id, MissionState state) {
    const Mission* mission = missions.findMission(id);
    return mission && mission->getState() == state;
}

bool isPending(const MissionManager& missions, const std::string& id) {
    const Mission* mission = missions.findMission(id);
    return mission && mission->isEndPending();
}

} // namespace

OldManDialogue_01::OldManDialogue_01()
    : Dialogue(Id),
      giveKillMission{{"Hello, welcome to Frog Island.", "On this sacred island there are many frogs!",
                       "Follow the WOOD PATH to the NORTH. Defeat 5 Frogs then come back to me.",
                       "Look at an enemy and press SPACE to attack.",
                       "But be careful: you need to stand CLOSE to hit and your punches have a COOLDOWN.",
                       "Now go!"}},
      giveWoodMission{
          {"Great work!, now I can make some fresh frog soup.", "Delicious.", "I need to cook my soup.",
           "Follow the DIRT PATH to the SOUTH. Find 5 wood and bring them to me.",
           "Stand close to an item and click on it to pick it up.",
           "Remember, you can press L to see your active missions. Or click the icon in the bottom "
           "right corner.",
           "Remember, you can press I to see your inventory. Or click the icon in the bottom right "
           "corner."}},
      giveArtifactMission{
          {"Just the amount of wood I needed.", "I would like to entrust you with a more prestigious task.",
           "Go into the dungeon and retrieve the MYTHICAL ARTIFACT.",
           "To enter the dungeon, follow the SAND PATH to the WEST and go into the PURPLE PORTAL."}},
      thankForArtifact{{"Yes, this is the artifact, You are a hero!", "You can leave me alone now."}} {}

bool OldManDialogue_01::Block::tell(DialogueView& view) {
    if (index >= lines.size())
        return false;
    view.showLine(lines[index]);
    ++index;
    return true;
}

bool OldManDialogue_01::next(const DialogueContext& context, DialogueView& view) {
    MissionManager& missions = context.missions;
    const auto begin = [&](const std::string& id) {
        missions.beginMission(id, context.worlds, context.player);
    };
    const auto end = [&](const std::string& id) {
        missions.endMission(id, context.worlds, context.player);
    };

    if (isIn(missions, killMission, MissionState::NOT_STARTED)) {
        if (giveKillMission.tell(view))
            return true;
        begin(killMission);
        return false;
    }
    if (isPending(missions, killMission) && isIn(missions, woodMission, MissionState::NOT_STARTED)) {
        if (giveWoodMission.tell(view))
            return true;
        end(killMission);
        begin(woodMission);
        return false;
    }
    if (isPending(missions, woodMission) && isIn(missions, artifactMission, MissionState::NOT_STARTED)) {
        if (giveArtifactMission.tell(view))
            return true;
        end(woodMission);
        begin(artifactMission);
        return false;
    }
    if (isPending(missions, artifactMission)) {
        if (thankForArtifact.tell(view))
            return true;
        end(artifactMission);
        return false;
    }
    if (isIn(missions, artifactMission, MissionState::ENDED) && !finalLineShown) {
        view.showLine(finalLine);
        finalLineShown = true;
        return true;
    }
    return false;
}

} // namespace tarsk

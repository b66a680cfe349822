#pragma once

#include "app/ingame/Autopilot.hpp"
#include "app/ingame/IngameBaseGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "game/missions/Mission.hpp"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The story of the shipped game as a pilot plays it: who is who, the island's paths, and the game
// started from the main menu.
namespace apptest::story {

using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;
using Lines = std::vector<std::string>;
using Path = std::vector<sf::Vector2f>;

inline const std::string KillMission = "Mission_Demo_Kill_Some_Frogs";
inline const std::string WoodMission = "Mission_Demo_Collect_Some_Wood";
inline const std::string ArtifactMission = "Mission_Retrieve_Dungeon_Artifact";

bool speaks(const orv::Entity& entity, const std::string& dialogue);
bool holdsItem(const orv::Entity& entity, const std::string& itemId);
// Anything that fights and can be killed, but not a character one talks to.
bool isEnemy(const orv::Entity& entity);
bool leadsAway(const orv::Entity& entity, std::uint32_t world);
int countItems(const orv::Entity& player, const std::string& itemId);

// The island's paths as the game file was laid out from, by name, from the start outwards.
std::map<std::string, Path> islandPaths();
Path reversed(Path path);

// The shipped game in a scratch run folder, played through the root state's window and input.
// A given seed replaces the game's random sequence before it starts.
struct Game {
    explicit Game(const std::string& gameFile = {}, std::optional<std::uint32_t> seed = {});
    ~Game();

    tarsk::MissionState state(const std::string& mission);
    LoadedGame& loadedGame();
    std::uint32_t playerWorldId();

    const orv::Entity& find(const std::string& phase, const Autopilot::EntityTest& test);
    Lines talkToOldMan(const std::string& phase, const std::string& dialogue = "OLD_MAN_DIALOGUE_01");
    // Into the portal that leads out of this world; returns the world it led to.
    std::uint32_t travelThrough(const std::string& phase, std::uint32_t from);
    sf::Vector2f portalTo(std::uint32_t world);
    bool enemyWithin(float distance);
    const orv::Entity* strongestEnemy();

    DeviceState device;
    RootHarness harness;
    Autopilot pilot;
};

} // namespace apptest::story

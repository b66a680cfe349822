#pragma once

#include <string>

// The fixed names of the game's content: registry keys, "_SystemTypeId" values and component
// keys inside saved worlds, factory and generator ids. Saved games depend on them letter for
// letter, misspellings included.
namespace tarsk::id {

namespace system {
inline const std::string render = "RenderSystem";
inline const std::string time = "TimeSystem";
inline const std::string animation = "AnimationSystem";
inline const std::string health = "HealthSystem";
inline const std::string fighter = "FighterSystem";
inline const std::string terrain = "TerrainSystem";
inline const std::string item = "ItemSystem";
inline const std::string spawner = "SpawnerSystem";
inline const std::string navigation = "NavigationSystem";
inline const std::string ai = "AiSystem";
inline const std::string dayNightCycle = "DayNightCycle";
inline const std::string localPortal = "LocalPortalSystem";
inline const std::string globalPortal = "GlobalPortalSystem";
inline const std::string physics = "PhysicsSystem";
inline const std::string needs = "NeedsSystem";
inline const std::string agriculture = "AgricultureSystem";
inline const std::string persistenceRealm = "PeristenceRealmSystem";
} // namespace system

namespace component {
inline const std::string render = "render";
inline const std::string sprite = "sprite";
inline const std::string light = "light";
inline const std::string orientation = "orientation";
inline const std::string animation = "AnimationComponent";
inline const std::string terrain = "terrain";
inline const std::string health = "health";
inline const std::string fighter = "fighter";
inline const std::string item = "item";
inline const std::string inventory = "inventory";
inline const std::string spawner = "spawner";
inline const std::string cooking = "cooking";
inline const std::string levelSkill = "levelSkill";
inline const std::string dialogueSender = "DialogueSenderComponent";
inline const std::string dialogueReceiver = "DialogueReceiverComponent";
inline const std::string portal = "portal";
inline const std::string ai = "ai";
inline const std::string transform = "transform";
inline const std::string physics = "physics";
inline const std::string blueprint = "blueprint";
inline const std::string needs = "needs";
} // namespace component

namespace light {
inline const std::string typeKey = "light_type";
inline const std::string pointSpotLight = "PointSpotLight";
} // namespace light

namespace factory {
inline const std::string tree = "entity_internal_TREE";
inline const std::string palm = "entity_internal_PALM";
inline const std::string coconut = "entity_internal_COCONUT";
inline const std::string wood = "entity_internal_WOOD";
inline const std::string bush = "entity_internal_BUSH";
inline const std::string torch = "entity_internal_TORCH";
inline const std::string enemyFrog = "entity_internal_ENEMY_FROG";
inline const std::string wallTest = "entity_internal_WALL_TEST";
inline const std::string specialFinalChest = "entity_internal_SPECIAL_FINAL_CHEST";
inline const std::string fireplace = "entity_internal_FIREPLACE";
inline const std::string escapeShip = "entity_internal_ESCAPE_SHIP";
inline const std::string oldMan = "entity_internal_OLD_MAN";
inline const std::string oldManInDungeon = "entity_internal_OLD_MAN_IN_DUNGEON";
// Made from the loaded entity blueprints, not built in.
inline const std::string basicTree = "basic_tree";
} // namespace factory

namespace generator {
inline constexpr unsigned defaultId = 1;
inline constexpr unsigned sampleOutsideId = 2;
inline constexpr unsigned sampleDungeonId = 3;
inline const std::string defaultName = "Default";
inline const std::string sampleOutsideName = "Sample Outside";
inline const std::string sampleDungeonName = "Sample Dungeon";
} // namespace generator

inline const std::string nutritionalValue = "NutritionalValue";
inline const std::string itemBaseBlueprint = "item_base";
inline const std::string itemsFolder = "./data/items/";
inline const std::string defaultAttack = "Default Attack";
inline const std::string punchAttack = "Punch";
inline const std::string swingAttack = "Swing";
inline const std::string defaultRegion = "defaultRegion";
inline const std::string luaGameTable = "game";

} // namespace tarsk::id

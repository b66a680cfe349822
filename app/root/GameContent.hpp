#pragma once

#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/tiles/Tileset.hpp"
#include "game/ai/AiManager.hpp"
#include "game/animation/AnimationDataManager.hpp"
#include "game/checks/EntityContentCheck.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/daynight/DayNightCycleDataManager.hpp"
#include "game/dialogue/DialogueDataManager.hpp"
#include "game/factories/EntityFactoryManager.hpp"
#include "game/items/ItemManager.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/registry/RegistryServices.hpp"
#include "game/worldgen/WorldGeneratorManager.hpp"

#include <cstdint>
#include <optional>
#include <string>

namespace tarsk {

// The game's registries and the content read from "./data" of the working folder: the type
// registry, blueprints, tiles, items, day/night cycles, behaviour trees, entity factories and
// world generators. The root state and the tools that build game files share it, so both read
// the data the same way.
class GameContent {
public:
    inline static const std::string tilesetTexturePath = "./data/tileset.png";

    // Without the tile set's texture nothing here needs a display. Without a seed the random
    // generator draws a different sequence every run.
    GameContent(bool withTilesetTexture, std::optional<std::uint32_t> seed);
    GameContent(const GameContent&) = delete;
    GameContent& operator=(const GameContent&) = delete;

    // Reads the blueprints (and makes their entity factories), tiles, items and day/night
    // cycles, in that order, then checks what the blueprints name and the items cooking needs.
    void load();

    // Follows what entity records name through this content.
    EntityContentCheck referenceCheck() const;

    orv::ResourceManager resources;
    RandomNumberGenerator random;
    orv::Tileset tileset;
    AnimationDataManager animations;
    DayNightCycleDataManager dayNightCycles;
    ItemManager items;
    AttackManager attacks;
    AiManager ai;
    DialogueDataManager dialogues;
    EntityFactoryManager factories;
    WorldGeneratorManager generators;
    orv::SerializationManager serialization;

private:
    RegistryServices services();
};

} // namespace tarsk

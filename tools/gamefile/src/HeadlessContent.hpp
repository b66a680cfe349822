#pragma once

#include "engine/resources/ResourceManager.hpp"
#include "engine/serialization/SerializationManager.hpp"
#include "engine/tiles/Tileset.hpp"
#include "game/ai/AiManager.hpp"
#include "game/animation/AnimationDataManager.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/daynight/DayNightCycleDataManager.hpp"
#include "game/dialogue/DialogueDataManager.hpp"
#include "game/factories/EntityFactoryManager.hpp"
#include "game/items/ItemManager.hpp"
#include "game/random/RandomNumberGenerator.hpp"
#include "game/registry/RegistryServices.hpp"
#include "game/worldgen/WorldGeneratorManager.hpp"

#include <cstdint>

namespace gamefile {

// The root state's registries and content without its window: the type registry, blueprints,
// tiles, items, day/night cycles, behaviour trees, entity factories and world generators, all
// read from "./data" of the working folder, with a random generator of a fixed seed. The tile
// set has no texture, so nothing here needs a display.
class HeadlessContent {
public:
    explicit HeadlessContent(std::uint32_t seed);
    HeadlessContent(const HeadlessContent&) = delete;
    HeadlessContent& operator=(const HeadlessContent&) = delete;

    orv::ResourceManager resources;
    orv::Tileset tileset;
    tarsk::AnimationDataManager animations;
    tarsk::DayNightCycleDataManager dayNightCycles;
    orv::SerializationManager serialization;
    tarsk::ItemManager items;
    tarsk::RandomNumberGenerator random;
    tarsk::AttackManager attacks;
    tarsk::AiManager ai;
    tarsk::DialogueDataManager dialogues;
    tarsk::EntityFactoryManager factories;
    tarsk::WorldGeneratorManager generators;

private:
    tarsk::RegistryServices services();
};

} // namespace gamefile

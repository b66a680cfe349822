#include "tools/gamefile/src/HeadlessContent.hpp"

#include "app/root/TileFolder.hpp"
#include "game/factories/BlueprintEntityFactories.hpp"
#include "game/factories/DefaultEntityFactories.hpp"
#include "game/registry/GameTypeRegistry.hpp"
#include "game/terrain/DefaultTiles.hpp"
#include "game/worldgen/DefaultWorldGenerators.hpp"

namespace gamefile {

HeadlessContent::HeadlessContent(std::uint32_t seed)
    : tileset(tarsk::generateDefaultTileDefinitions(), nullptr),
      serialization(resources, tarsk::buildComponentRegistry(services()),
                    tarsk::buildWorldSystemRegistry(services()),
                    tarsk::buildGlobalSystemRegistry(services())),
      items(resources, serialization), random(seed), ai(resources, random, attacks),
      factories(tarsk::generateDefaultEntityFactories(), {resources, items, random, dialogues}),
      generators(tileset, items, factories, random, dayNightCycles, tarsk::makeDefaultWorldGenerators()) {
    tarsk::buildLightRegistry(serialization);
    // The root state's start-up, in its order.
    serialization.getBlueprintManager().loadAll();
    for (tarsk::EntityFactory& factory : tarsk::makeBlueprintEntityFactories(serialization))
        factories.addFactory(std::move(factory));
    tarsk::TileFolder().loadInto(resources, tileset);
    items.loadDirectory("./data/items/");
    dayNightCycles.loadDirectory("./data/other/dayNight/");
}

tarsk::RegistryServices HeadlessContent::services() {
    // The factories only keep references; they run once worlds are read.
    return {resources,
            serialization,
            tileset,
            animations,
            dayNightCycles,
            items,
            ai,
            random,
            [this](const std::string& id) {
                return factories.createEntity(id);
            }};
}

} // namespace gamefile

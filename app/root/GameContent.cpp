#include "app/root/GameContent.hpp"

#include "app/root/TileFolder.hpp"
#include "game/checks/BlueprintChecks.hpp"
#include "game/checks/CookingItemsCheck.hpp"
#include "game/checks/EntityContentCheck.hpp"
#include "game/factories/BlueprintEntityFactories.hpp"
#include "game/factories/DefaultEntityFactories.hpp"
#include "game/registry/GameTypeRegistry.hpp"
#include "game/resources/SfTextureResourceCache.hpp"
#include "game/terrain/DefaultTiles.hpp"
#include "game/worldgen/DefaultWorldGenerators.hpp"

#include <filesystem>

namespace tarsk {

namespace {

const std::filesystem::path itemFolder = "./data/items/";
const std::filesystem::path dayNightFolder = "./data/other/dayNight/";

const sf::Texture* tilesetTexture(orv::ResourceManager& resources, bool wanted) {
    if (!wanted)
        return nullptr;
    return &resources.get(GameContent::tilesetTexturePath)
                .getCache<ResourceCache::SfTextureResourceCache>()
                ->get();
}

RandomNumberGenerator makeRandom(std::optional<std::uint32_t> seed) {
    return seed ? RandomNumberGenerator(*seed) : RandomNumberGenerator();
}

} // namespace

GameContent::GameContent(bool withTilesetTexture, std::optional<std::uint32_t> seed)
    : random(makeRandom(seed)),
      tileset(generateDefaultTileDefinitions(), tilesetTexture(resources, withTilesetTexture)),
      items(resources, serialization), ai(resources, random, attacks),
      factories(generateDefaultEntityFactories(), {resources, items, random, dialogues}),
      generators(tileset, items, factories, random, dayNightCycles, makeDefaultWorldGenerators()),
      // The registries' factories only keep references; they run once worlds are read.
      serialization(resources, buildComponentRegistry(services()), buildWorldSystemRegistry(services()),
                    buildGlobalSystemRegistry(services())) {
    buildLightRegistry(serialization);
}

void GameContent::load() {
    serialization.getBlueprintManager().loadAll();
    // A blueprint named like a built-in factory does not replace it: the first of an id stays.
    for (EntityFactory& factory : makeBlueprintEntityFactories(serialization))
        factories.addFactory(std::move(factory));
    TileFolder().loadInto(resources, tileset);
    items.loadDirectory(itemFolder);
    dayNightCycles.loadDirectory(dayNightFolder);
    // What the content names is followed now, so a bad reference stops the start naming its file
    // instead of ending a game at the moment of use.
    checkEntityBlueprints(serialization, referenceCheck());
    checkCookingItems(items, itemFolder);
}

EntityContentCheck GameContent::referenceCheck() const {
    return {factories, serialization.getBlueprintManager(), ai, dialogues};
}

RegistryServices GameContent::services() {
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

} // namespace tarsk

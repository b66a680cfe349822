#include "game/factories/DefaultEntityFactories.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/content/Identifiers.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/factories/EntityParts.hpp"
#include "game/factories/FeedOnContact.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/inventory/InventoryComponent.hpp"
#include "game/lights/LightComponent.hpp"
#include "game/lights/PointSpotLight.hpp"
#include "game/needs/CookingComponent.hpp"
#include "game/needs/NeedsComponent.hpp"
#include "game/resources/SfTextureResourceCache.hpp"
#include "game/spawner/SpawnerComponent.hpp"

#include <box2d/b2_chain_shape.h>

#include <SFML/Graphics/Color.hpp>

#include <utility>

namespace tarsk {

namespace {

using Resources = EntityFactory::Resources;
using namespace entityparts;

const sf::Color FireColor{255, 170, 100, 255};
constexpr float FoodGain = 20.f;

std::unique_ptr<orv::Entity> tree(const Resources& resources) {
    const std::string texture = "./data/object_tree.png";
    // The trunk stands on the entity's position: the picture is lifted by half its height.
    const auto height =
        resources.resourceManager.get(texture).getCache<ResourceCache::SfTextureResourceCache>()->getSize().y;
    SpriteDescription sprite = spriteOf(texture);
    sprite.positionOffset = {0.f, -static_cast<float>(height) / 2.f};
    auto entity =
        makeBody(resources, std::move(sprite), staticBody(), box(0.3f, 0.15f, {0.f, -0.15f}), b2FixtureDef{});
    SpawnerSettings frogs;
    frogs.entityIdToSpawn = id::factory::enemyFrog;
    frogs.timeBetweenSpawnEvents = sf::seconds(10.f * 60.f);
    frogs.spawnProbability = 0.25f;
    frogs.spawnCount = 1;
    frogs.spawnRadius = 3.f;
    frogs.maxConcurrentlySpawnedEntities = 1;
    entity->addComponent<SpawnerComponent>(std::move(frogs));
    return entity;
}

std::unique_ptr<orv::Entity> palm(const Resources& resources) {
    return makeBody(resources, spriteOf("./data/object_palm.png"), staticBody(),
                    box(0.3f, 0.15f, {-0.125f, 1.7f}), b2FixtureDef{});
}

std::unique_ptr<orv::Entity> coconut(const Resources& resources) {
    auto entity = makeBody(resources, spriteOf("./data/object_coconut.png"), dynamicBody(1.f),
                           box(0.5f, 0.5f, {0.f, 0.f}), b2FixtureDef{});
    feedOnContact(*entity, Needs{FoodGain, 0.f}, true);
    return entity;
}

std::unique_ptr<orv::Entity> wood(const Resources& resources) {
    SpriteDescription sprite = spriteOf("./data/object_wood.png");
    sprite.anchor = 3;
    return makeBody(resources, std::move(sprite), dynamicBody(1.f), box(0.625f, 0.625f, {0.f, 0.f}),
                    b2FixtureDef{});
}

std::unique_ptr<orv::Entity> bush(const Resources& resources) {
    b2BodyDef body = staticBody();
    body.linearDamping = 1.f;
    auto entity = makeBody(resources, spriteOf("./data/object_bush.png"), body,
                           box(0.75f, 0.1875f, {0.f, 0.8125f}), b2FixtureDef{});
    feedOnContact(*entity, Needs{0.f, FoodGain}, false);
    return entity;
}

std::unique_ptr<orv::Entity> torch(const Resources& resources) {
    auto entity = makeBody(resources, spriteOf("./data/object_torch.png"), dynamicBody(1.f),
                           box(0.15625f, 0.3125f, {0.f, 0.f}), b2FixtureDef{});
    entity->addComponent<LightComponent>(std::make_unique<PointSpotLight>(6.f, 0.1f, FireColor));
    return entity;
}

std::unique_ptr<orv::Entity> fireplace(const Resources& resources) {
    SpriteDescription sprite = spriteOf("./data/tex/fireplace.png");
    sprite.positionOffset = {0.f, -8.f};
    auto entity = makeBody(resources, std::move(sprite), staticBody(), box(0.5f, 0.5f, {0.f, -0.5f}),
                           fixtureWithDensity(1.f));
    auto light = std::make_unique<PointSpotLight>(8.f, 0.1f, FireColor);
    light->setPosition({0.f, -0.5f});
    entity->addComponent<LightComponent>(std::move(light));
    entity->addComponent<CookingComponent>(resources.itemManager, resources.randomNumberGenerator);
    return entity;
}

std::unique_ptr<orv::Entity> frog(const Resources& resources) {
    SpriteDescription sprite = spriteOf("./data/tex/enemy_frog.png");
    sprite.textureRect = {0, 0, 16, 16};
    b2BodyDef body = dynamicBody(0.95f);
    body.allowSleep = false;
    body.fixedRotation = true;
    auto entity =
        makeBody(resources, std::move(sprite), body, box(0.4f, 0.2f, {0.f, 0.3f}), fixtureWithDensity(1.f));
    entity->addComponent<HealthComponent>(100.f, 100.f);
    entity->addComponent<NeedsComponent>(Needs{100.f, 100.f});
    entity->addComponent<InventoryComponent>();
    entity->addComponent<FighterComponent>(10u, std::vector<std::string>{}, std::vector<std::string>{});
    return entity;
}

std::unique_ptr<orv::Entity> wallTest(const Resources& resources) {
    SpriteDescription sprite = spriteOf("./data/wall_test.png");
    sprite.positionOffset = {0.f, -16.f};
    const b2Vec2 corners[] = {{0.5f, 0.f}, {0.5f, -1.f}, {-0.5f, -1.f}, {-0.5f, 0.f}};
    auto chain = std::make_unique<b2ChainShape>();
    chain->CreateLoop(corners, 4);
    return makeBody(resources, std::move(sprite), staticBody(), std::move(chain), b2FixtureDef{});
}

// The chest and the ship share their footprint: a box standing on the entity's position.
std::unique_ptr<orv::Entity> chestLike(const Resources& resources, std::string texture) {
    SpriteDescription sprite = spriteOf(std::move(texture));
    sprite.positionOffset = {0.f, -16.f};
    return makeBody(resources, std::move(sprite), staticBody(), box(0.75f, 0.375f, {0.f, -0.375f}),
                    b2FixtureDef{});
}

std::unique_ptr<orv::Entity> oldMan(const Resources& resources, std::string dialogue) {
    SpriteDescription sprite = spriteOf("./data/old_man.png");
    sprite.positionOffset = {0.f, -16.f};
    sprite.baseSize = {17.4f, 31.2f};
    auto entity = makeBody(resources, std::move(sprite), staticBody(),
                           box(0.3125f, 0.1875f, {0.1875f, -0.1875f}), b2FixtureDef{});
    entity->addComponent<DialogueSenderComponent>(std::move(dialogue));
    return entity;
}

} // namespace

std::vector<EntityFactory> generateDefaultEntityFactories() {
    return {
        {id::factory::tree, "Tree", tree},
        {id::factory::palm, "Palm", palm},
        {id::factory::coconut, "Coconut", coconut},
        {id::factory::wood, "Wood", wood},
        {id::factory::bush, "Bush", bush},
        {id::factory::torch, "Torch", torch},
        {id::factory::fireplace, "Fireplace", fireplace},
        {id::factory::enemyFrog, "Enemy: Frog", frog},
        {id::factory::wallTest, "Wall: Test", wallTest},
        {id::factory::specialFinalChest, "Special: Final chest",
         [](const Resources& resources) {
             return chestLike(resources, "./data/finalChest.png");
         }},
        {id::factory::escapeShip, "Escape Ship",
         [](const Resources& resources) {
             return chestLike(resources, "./data/tex/ship.png");
         }},
        {id::factory::oldMan, "Old Man (Quest Giver)",
         [](const Resources& resources) {
             return oldMan(resources, "OLD_MAN_DIALOGUE_01");
         }},
        {id::factory::oldManInDungeon, "Old Man (In dungeon)",
         [](const Resources& resources) {
             return oldMan(resources, "OLD_MAN_DIALOGUE_02");
         }},
    };
}

} // namespace tarsk

#include "app/player/PlayerEntity.hpp"
#include "app/root/GameContent.hpp"
#include "app/savegame/LoadedSavegameLoaderFromFolder.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/persistence/PersistenceComponent.hpp"
#include "engine/persistence/PersistenceSystem.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/combat/AttackIds.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/combat/GenericAllroundPhysicalAttackPreset.hpp"
#include "game/combat/GenericOrientedPhysicalAttackPreset.hpp"
#include "game/content/Identifiers.hpp"
#include "game/dialogue/DialogueReceiverComponent.hpp"
#include "game/dialogue/DialogueSenderComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/items/Item.hpp"
#include "game/items/ItemComponent.hpp"
#include "game/needs/CookingComponent.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/portals/GlobalPortalSystem.hpp"
#include "game/portals/PortalComponent.hpp"
#include "game/render/SpriteComponent.hpp"
#include "game/spawner/SpawnerComponent.hpp"
#include "game/terrain/TerrainComponent.hpp"
#include "game/time/TimeSystem.hpp"
#include "game/worldgen/DefaultWorldGenerator.hpp"
#include "tools/gamefile/src/PathCells.hpp"
#include "tools/gamefile/src/StoryLayout.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <typeindex>

namespace {

using nlohmann::json;

const std::filesystem::path Source = ORV_SOURCE_DIR;

bool enterSourceFolder() {
    // The content is read from "./data", as the game reads it.
    std::filesystem::current_path(Source);
    return true;
}

float distance(sf::Vector2f a, sf::Vector2f b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

sf::Vector2f positionOf(const orv::Entity& entity) {
    return entity.getComponent<orv::TransformationComponent>()->getPositionXY();
}

float damageOf(const tarsk::AttackManager& attacks, const std::string& id) {
    const auto attack = attacks.createAttack(id);
    if (const auto* allRound = dynamic_cast<const tarsk::GenericAllroundPhysicalAttackPreset*>(attack.get()))
        return allRound->getPreset().damage;
    if (const auto* oriented = dynamic_cast<const tarsk::GenericOrientedPhysicalAttackPreset*>(attack.get()))
        return oriented->getPreset().damage;
    throw std::logic_error("no blow of known damage: " + id);
}

std::vector<std::type_index> systemTypes(const orv::World& world) {
    std::vector<std::type_index> types;
    for (const auto* system : world.getUpdateList())
        types.emplace_back(typeid(*system));
    return types;
}

// The committed game file read by the game's own loader, with the game's registries and content.
struct ShippedGameFile : testing::Test {
    ShippedGameFile()
        : entered(enterSourceFolder()),
          layout(gamefile::StoryLayout::load(Source / "tools/gamefile/layout.json")),
          content(false, layout.seed), game([this] {
              content.load();
              return tarsk::LoadedSavegameLoaderFromFolder(content.serialization,
                                                           Source / "app/content/test_entities_save.json")
                  .load();
          }()) {}

    orv::World& world(std::uint32_t id) { return *game.worldManager->getWorldContainer(id)->getWorld(); }

    std::vector<const orv::Entity*> entitiesWith(orv::World& in,
                                                 const std::function<bool(const orv::Entity&)>& test) {
        std::vector<const orv::Entity*> found;
        for (const auto& entity : in.getEntities()) {
            if (test(*entity))
                found.push_back(entity.get());
        }
        return found;
    }

    std::vector<const orv::Entity*> items(orv::World& in, const std::string& id) {
        return entitiesWith(in, [&](const orv::Entity& e) {
            const auto* item = e.findComponent<tarsk::ItemComponent>();
            return item && item->getItem()->getId() == id;
        });
    }

    const gamefile::PathLayout& path(const std::string& name) const {
        for (const gamefile::PathLayout& path : layout.worlds.front().paths) {
            if (path.name == name)
                return path;
        }
        throw std::out_of_range("no path " + name);
    }

    bool entered;
    gamefile::StoryLayout layout;
    tarsk::GameContent content;
    tarsk::LoadedSavegame game;
};

TEST_F(ShippedGameFile, EveryWorldRunsTheDefaultSystemsInTheirOrder) {
    const auto fresh = tarsk::DefaultWorldGenerator({4, 4}).generate(content.generators);
    std::vector<std::type_index> expected = systemTypes(*fresh);
    ASSERT_EQ(expected.size(), 16u);
    // A read world registers its persistence system after the saved ones.
    std::erase(expected, std::type_index(typeid(orv::PersistenceSystem)));
    expected.emplace_back(typeid(orv::PersistenceSystem));

    const auto containers = game.worldManager->getWorldContainers();
    ASSERT_EQ(containers.size(), 2u);
    for (const orv::WorldContainer* container : containers) {
        EXPECT_TRUE(container->isActive()) << container->getName();
        EXPECT_EQ(systemTypes(*container->getWorld()), expected) << container->getName();
    }
}

TEST_F(ShippedGameFile, PortalsLeadToEachOtherAndTheCounterIsAboveEveryId) {
    std::map<std::pair<std::uint32_t, std::uint64_t>, const tarsk::PortalComponent*> portals;
    for (orv::WorldContainer* container : game.worldManager->getWorldContainers()) {
        for (const orv::Entity* entity : entitiesWith(*container->getWorld(), [](const orv::Entity& e) {
                 return e.hasComponent<tarsk::PortalComponent>();
             })) {
            const auto* portal = entity->getComponent<tarsk::PortalComponent>();
            EXPECT_TRUE(portals.emplace(std::pair(container->getId(), portal->getId()), portal).second);
        }
    }
    ASSERT_EQ(portals.size(), 2u);
    const auto* counter = game.worldManager->findSystem<tarsk::GlobalPortalSystem>();
    ASSERT_NE(counter, nullptr);
    for (const auto& [where, portal] : portals) {
        EXPECT_NE(portal->getId(), 0u);
        EXPECT_GT(counter->getPortalIdCounter(), portal->getId());
        ASSERT_TRUE(portal->hasTarget());
        const auto there = portals.find(portal->getTarget());
        ASSERT_NE(there, portals.end()) << "portal " << portal->getId() << " leads nowhere";
        EXPECT_TRUE(game.worldManager->getWorldContainer(there->first.first)->isActive());
        EXPECT_EQ(there->second->getTarget(), where) << "the way back leads elsewhere";
    }
    EXPECT_NE(portals.begin()->first.first, portals.rbegin()->first.first) << "both portals in one world";
}

TEST_F(ShippedGameFile, TheStoryStandsOnTheIslandAndInTheDungeon) {
    const auto dialogue = [](const std::string& id) {
        return [id](const orv::Entity& e) {
            const auto* sender = e.findComponent<tarsk::DialogueSenderComponent>();
            return sender && sender->getDialogueFactoryId() == id;
        };
    };
    const auto oldMen = entitiesWith(world(0), dialogue("OLD_MAN_DIALOGUE_01"));
    ASSERT_EQ(oldMen.size(), 1u);
    EXPECT_LT(distance(positionOf(*oldMen.front()), layout.playerStart), 4.f)
        << "the old man is out of sight";
    EXPECT_EQ(entitiesWith(world(1), dialogue("OLD_MAN_DIALOGUE_02")).size(), 1u);

    const auto ships = entitiesWith(world(0), [](const orv::Entity& e) {
        const auto* sprite = e.findComponent<tarsk::SpriteComponent>();
        return sprite && sprite->getTextureId() == "./data/tex/ship.png";
    });
    EXPECT_EQ(ships.size(), 1u);

    const auto artifacts = items(world(1), "MYTHICAL_ARTIFACT");
    ASSERT_EQ(artifacts.size(), 1u);
    const auto chests = entitiesWith(world(1), [](const orv::Entity& e) {
        const auto* sprite = e.findComponent<tarsk::SpriteComponent>();
        return sprite && sprite->getTextureId() == "./data/finalChest.png";
    });
    ASSERT_EQ(chests.size(), 1u);
    EXPECT_LT(distance(positionOf(*artifacts.front()), positionOf(*chests.front())), 2.5f);
}

TEST_F(ShippedGameFile, TheFireplaceBesideTheOldManCooksAlsoWhenSavedAndReadAgain) {
    const auto fireplaces = entitiesWith(world(0), [](const orv::Entity& e) {
        const auto* sprite = e.findComponent<tarsk::SpriteComponent>();
        return sprite && sprite->getTextureId() == "./data/tex/fireplace.png";
    });
    ASSERT_EQ(fireplaces.size(), 1u);
    EXPECT_LT(distance(positionOf(*fireplaces.front()), layout.playerStart), 6.f);
    const auto saved =
        content.serialization.entityFromJson(orv::SerializationManager::entityToJson(*fireplaces.front()));
    for (const orv::Entity* fireplace : {fireplaces.front(), static_cast<const orv::Entity*>(saved.get())}) {
        ASSERT_TRUE(fireplace->hasComponent<tarsk::CookingComponent>());
        const std::string dish = fireplace->getComponent<tarsk::CookingComponent>()->cook()->getId();
        EXPECT_TRUE(dish == "FISH_COOKED" || dish == "FISH_BURNED") << dish;
    }
}

TEST_F(ShippedGameFile, PathsAreLaidAndClearAndTheWoodLiesAlongTheDirtPath) {
    orv::World& island = world(0);
    const orv::Tilemap& tiles =
        entitiesWith(island, [](const orv::Entity& e) { return e.hasComponent<tarsk::TerrainComponent>(); })
            .front()
            ->getComponent<tarsk::TerrainComponent>()
            ->getTilemap();
    for (const gamefile::PathLayout& path : layout.worlds.front().paths) {
        const auto cells = gamefile::pathCells(path, tiles.getSize().x);
        ASSERT_FALSE(cells.empty()) << path.name;
        for (const sf::Vector2i& cell : cells)
            ASSERT_EQ(tiles.getTile(cell)->getTileId(), path.tile) << path.name;
        // Nothing that stands still blocks the way along the middle of the path.
        for (const auto& entity : island.getEntities()) {
            const auto* body = entity->findComponent<orv::PhysicsComponent>();
            if (body && body->getBodyDef().type == b2_staticBody) {
                EXPECT_GT(gamefile::distanceToPath(path, positionOf(*entity)), 0.6f)
                    << path.name << " blocked at " << positionOf(*entity).x << "," << positionOf(*entity).y;
            }
        }
    }
    const gamefile::PathLayout& dirt = path("dirt");
    int reachable = 0;
    for (const orv::Entity* wood : items(island, "WOOD"))
        reachable += gamefile::distanceToPath(dirt, positionOf(*wood)) < 3.f;
    EXPECT_GE(reachable, 8);
    // The path starts where the player does and leads south.
    EXPECT_LT(distance(dirt.points.front(), layout.playerStart), 4.f);
    EXPECT_GT(dirt.points.back().y, dirt.points.front().y + 10.f);
}

TEST_F(ShippedGameFile, FrogsHuntOnTheirGroundAndTheBossIsTheHardestToBeat) {
    // Spawners of hunting frogs along the wood path keep the frogs' ground populated.
    const gamefile::PathLayout& wood = path("wood");
    EXPECT_LT(wood.points.back().y, wood.points.front().y - 10.f) << "the wood path leads north";
    int frogsAtStart = 0;
    for (const orv::Entity* tree : entitiesWith(
             world(0), [](const orv::Entity& e) { return e.hasComponent<tarsk::SpawnerComponent>(); })) {
        const tarsk::SpawnerSettings& settings = tree->getComponent<tarsk::SpawnerComponent>()->getSettings();
        EXPECT_EQ(settings.entityIdToSpawn, "hunting_frog");
        EXPECT_LT(gamefile::distanceToPath(wood, positionOf(*tree)), 6.f);
        frogsAtStart += settings.maxConcurrentlySpawnedEntities;
    }
    EXPECT_GE(frogsAtStart, 5) << "the first fill of the spawners";

    const auto frog = content.factories.createEntity("hunting_frog");
    const auto boss = content.factories.createEntity("frog_boss");
    ASSERT_TRUE(frog->hasComponent<tarsk::AiComponent>());
    ASSERT_TRUE(boss->hasComponent<tarsk::AiComponent>());
    const auto bosses =
        entitiesWith(world(1), [](const orv::Entity& e) { return e.hasComponent<tarsk::AiComponent>(); });
    EXPECT_GE(bosses.size(), 3u) << "a few frogs and the boss in the dungeon";

    const float frogHealth = frog->getComponent<tarsk::HealthComponent>()->getMaxHealth();
    const float bossHealth = boss->getComponent<tarsk::HealthComponent>()->getMaxHealth();
    EXPECT_GT(bossHealth, 2 * frogHealth);
    EXPECT_GT(boss->getComponent<tarsk::SpriteComponent>()->getDescription().baseSize.x,
              frog->getComponent<tarsk::SpriteComponent>()->getDescription().baseSize.x);
    const float bite = damageOf(content.attacks, tarsk::id::attack::frogDefault);
    const float bossBite = damageOf(content.attacks, tarsk::id::attack::frogBoss);
    const float punch = damageOf(content.attacks, tarsk::id::attack::punch);
    const float swing = damageOf(content.attacks, tarsk::id::attack::stickSwing);
    EXPECT_GT(bossBite, bite);
    // Winnable: three punches fell a frog, five swings the boss, and the player's 100 outlast
    // four bites of a frog and three of the boss.
    EXPECT_LE(std::ceil(frogHealth / punch), 3.f);
    EXPECT_LE(std::ceil(bossHealth / swing), 5.f);
    EXPECT_GT(100.f - 4 * bite, 0.f);
    EXPECT_GT(100.f - 3 * bossBite, 0.f);
}

// The island as the game runs it: frame time, physics step, every system, the removals.
void runFrame(orv::World& world) {
    const sf::Time frame = sf::seconds(1.f / 60.f);
    world.getSystem<tarsk::TimeSystem>()->setFrameTime(frame);
    world.getSystem<orv::PhysicsSystem>()->setTimeStep(frame);
    world.update();
    world.removeMarkedEntities();
}

TEST_F(ShippedGameFile, FrogsFillTheirGroundAtOnceAndBiteAPlayerWhoComesClose) {
    orv::World& island = world(0);
    runFrame(island);
    const auto frogs =
        entitiesWith(island, [](const orv::Entity& e) { return e.hasComponent<tarsk::AiComponent>(); });
    ASSERT_GE(frogs.size(), 5u);

    auto made = tarsk::createPlayerEntity(content.resources, content.animations);
    made->getComponent<orv::TransformationComponent>()->setPositionXY(positionOf(*frogs.front()) +
                                                                      sf::Vector2f(2.f, 0.f));
    made->addComponent<orv::PersistenceComponent>(false);
    made->init();
    const orv::Entity* player = island.addEntity(std::move(made));
    const auto& health = *player->getComponent<tarsk::HealthComponent>();
    int frames = 0;
    while (health.getHealth() == health.getMaxHealth() && frames < 600) {
        runFrame(island);
        ++frames;
    }
    EXPECT_LT(health.getHealth(), health.getMaxHealth()) << "no frog bit within ten seconds";
    EXPECT_GT(health.getHealth(), 0.f);
}

TEST_F(ShippedGameFile, AFrogBitesAtThePaceOfItsBitesCooldownAlsoWhenItsPreyStepsAwayAndBack) {
    orv::World& island = world(0);
    runFrame(island);
    const orv::Entity& frog = *entitiesWith(island, [](const orv::Entity& e) {
                                   return e.hasComponent<tarsk::AiComponent>();
                               }).front();
    auto made = tarsk::createPlayerEntity(content.resources, content.animations);
    made->getComponent<orv::TransformationComponent>()->setPositionXY(positionOf(frog) +
                                                                      sf::Vector2f(0.8f, 0.f));
    made->addComponent<orv::PersistenceComponent>(false);
    made->init();
    const orv::Entity* player = island.addEntity(std::move(made));
    const auto& health = *player->getComponent<tarsk::HealthComponent>();
    b2Body* body = player->getComponent<orv::PhysicsComponent>()->getBody();

    // Frames of 1/60 s in which a bite landed. After the first bite the player steps out of the
    // frog's sight for half a second and back beside it.
    std::vector<int> bites;
    float last = health.getHealth();
    // Stopped short of a deadly bite: a dead player leaves the world.
    for (int frame = 1; frame <= 9 * 60 && health.getHealth() > 20.f; ++frame) {
        runFrame(island);
        if (health.getHealth() < last)
            bites.push_back(frame);
        last = health.getHealth();
        if (bites.size() == 1 && frame == bites.front() + 1)
            body->SetTransform(body->GetPosition() + b2Vec2(10.f, 0.f), 0.f);
        if (bites.size() == 1 && frame == bites.front() + 31) {
            const sf::Vector2f beside = positionOf(frog) + sf::Vector2f(0.8f, 0.f);
            body->SetTransform({beside.x, beside.y}, 0.f);
        }
    }
    ASSERT_GE(bites.size(), 3u) << "the frog stopped biting";
    EXPECT_GE(bites.front(), 120) << "the first bite came before the bite had cooled down";
    for (std::size_t i = 1; i < bites.size(); ++i)
        EXPECT_GE(bites[i] - bites[i - 1], 120) << "bite " << i + 1 << " came early";
}

TEST_F(ShippedGameFile, APunchPushesAFrogAStepAndTheDungeonWallsHoldFromBothSides) {
    orv::World& dungeon = world(1);
    runFrame(dungeon);
    const auto frogs = entitiesWith(dungeon, [](const orv::Entity& e) {
        return e.hasComponent<tarsk::AiComponent>() &&
               e.getComponent<tarsk::HealthComponent>()->getMaxHealth() < 200.f;
    });
    ASSERT_GE(frogs.size(), 2u);

    // A player just south of a frog, facing it.
    const orv::Entity& frog = *frogs.front();
    const sf::Vector2f start = positionOf(frog);
    auto made = tarsk::createPlayerEntity(content.resources, content.animations);
    made->getComponent<orv::TransformationComponent>()->setPositionXY(start + sf::Vector2f(0.f, 1.2f));
    made->getComponent<tarsk::OrientationComponent>()->setOrientation(tarsk::OrientationComponent::NORTH);
    made->addComponent<orv::PersistenceComponent>(false);
    made->init();
    const orv::Entity* player = dungeon.addEntity(std::move(made));
    runFrame(dungeon);
    const auto hit = content.attacks.createAttack(tarsk::id::attack::punch)->execute(dungeon, player);
    ASSERT_EQ(hit.hitEntities, std::vector<const orv::Entity*>{&frog});
    float farthest = 0.f;
    for (int i = 0; i < 60; ++i) {
        runFrame(dungeon);
        farthest = std::max(farthest, distance(positionOf(frog), start));
    }
    EXPECT_GT(farthest, 0.5f) << "the punch did not push the frog";
    EXPECT_LT(farthest, 5.f) << "the punch threw the frog out of the fight";

    // The corridor's west wall fills x 45 to 46; a frog thrown at it from either side stays there.
    const orv::Entity& runner = *frogs.back();
    b2Body* body = runner.getComponent<orv::PhysicsComponent>()->getBody();
    for (const float from : {43.f, 48.f}) {
        const bool west = from < 45.f;
        body->SetTransform({from, 60.5f}, 0.f);
        body->SetLinearVelocity({west ? 40.f : -40.f, 0.f});
        for (int i = 0; i < 30; ++i)
            runFrame(dungeon);
        const float x = positionOf(runner).x;
        EXPECT_TRUE(west ? x < 44.7f : x > 46.3f) << "thrown from x " << from << ", it stopped at x " << x;
    }
}

TEST_F(ShippedGameFile, ThePlayerIsANewPlayerAndNoMissionHasBegun) {
    const json& player = game.data.at("PlayerData").at("components");
    for (const char* component :
         {"transform", "orientation", "render", "sprite", "AnimationComponent", "physics", "health", "needs",
          "inventory", "fighter", "levelSkill", "DialogueReceiverComponent"})
        EXPECT_TRUE(player.contains(component)) << component;
    EXPECT_EQ(player.size(), 12u);
    EXPECT_EQ(game.data.at("PlayerWorldContainer"), 0);
    // Saved on its own: no world holds a player.
    for (orv::WorldContainer* container : game.worldManager->getWorldContainers())
        EXPECT_TRUE(entitiesWith(*container->getWorld(), [](const orv::Entity& e) {
                        return e.hasComponent<tarsk::DialogueReceiverComponent>();
                    }).empty());
    EXPECT_EQ(game.data.at("Missions_Data"),
              json::parse(R"({"Mission_Demo_Kill_Some_Frogs": {"_state": 1, "killedFrogs": 0},
                              "Mission_Demo_Collect_Some_Wood": {"_state": 1},
                              "Mission_Retrieve_Dungeon_Artifact": {"_state": 1}})"));
}

} // namespace

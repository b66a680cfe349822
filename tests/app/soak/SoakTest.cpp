// The shipped game run for half an hour of game time at the longest frame the physics takes. The
// player walks north to the frogs' ground by keyboard and fights whatever the spawners send there,
// going for the nearest frog wherever it is and punching it with Space once that frog has had its
// bite. A player who dies ends the program, as in the game; the run then goes on in a new game.
// Entity counts and the heap in use must stay flat. ORV_SOAK_SEED plays another seed.
#include "app/ingame/IngameBaseGameState.hpp"
#include "app/input/ScriptedInputDevice.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "engine/transform/UnitConversions.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/level/LevelSkillComponent.hpp"
#include "game/time/TimeSystem.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer's own count of live heap bytes; its header is not installed with GCC.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;

const sf::Time FrameTime = sf::seconds(orv::PhysicsSystem::MaxStepSeconds);
const sf::Time SoakGameTime = sf::seconds(30.f * 60.f);
// A run whose every game ended early goes on until a game lasts.
const sf::Time LongestGameTime = SoakGameTime * 4.f;
constexpr std::uint32_t DefaultSeed = 1;
// Among the frog trees, at the north end of the plank path.
constexpr float PathX = 50.5f;
const sf::Vector2f FrogGround{PathX, 22.5f};
// A frog farther off than this is reached by the plank path while it lies north.
constexpr float EngageDistance = 10.f;
constexpr float StrikeDistance = 1.1f;
// The punch reaches 1.8 units.
constexpr float PunchReach = 1.7f;
constexpr int FramesBetweenPunches = 24;
// A frog bites from 0.9 units once its bite has cooled down, two seconds after it first came
// that close. Three punches kill a frog in less, so a frog is spared until a bite lands while it
// is this near, or until it has stayed near for long enough to have bitten three times over.
constexpr float BiteNear = 1.5f;
const sf::Time LongestSpare = sf::seconds(6.f);
constexpr int SampleEvery = 25;
// Fewer samples than this give no settled early floor.
constexpr std::size_t MinSamples = 12;
// The spawners' limits: five frog trees of one frog each.
constexpr std::size_t MostSpawned = 5;
constexpr std::size_t HeapFloorRise = 128 * 1024;

std::size_t heapInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

float distance(sf::Vector2f a, sf::Vector2f b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

sf::Vector2f positionOf(const orv::Entity& entity) {
    return entity.getComponent<orv::TransformationComponent>()->getPositionXY();
}

// One "New Game" of the shipped game with a keyboard and mouse the test holds.
class Game {
public:
    explicit Game(std::uint32_t seed) : harness({}, apptest::RunFolder::Content::Shipped) {
        device.windowSize = {1280, 720};
        harness.root->getRandom() = tarsk::RandomNumberGenerator(seed);
        harness.root->setInputDevice(std::make_unique<apptest::ScriptedInputDevice>(device));
        harness.start();
        auto& menu = dynamic_cast<tarsk::MainMenuGameState&>(*harness.root->getSubStates().front());
        menu.startNewGame();
        auto& game = dynamic_cast<LoadedGame&>(*menu.getSubStates().front());
        state = dynamic_cast<tarsk::IngameBaseGameState<1>&>(*game.getSubStates().front()).getPlayerState();
        worlds = game.getSavegame().worldManager.get();
    }

    bool over() const { return harness.root->isClosed(); }
    void frame() {
        harness.clock->push(FrameTime);
        harness.frame();
    }

    orv::Entity& player() const { return *state->getPlayer(); }
    orv::World& world() const { return *player().getWorld(); }
    float health() const { return player().getComponent<tarsk::HealthComponent>()->getHealth(); }
    // Level and experience: a kill changes them, a level-up takes experience back.
    std::pair<int, int> progress() const {
        const auto* level = player().getComponent<tarsk::LevelSkillComponent>();
        return {level->getLevel(), level->getXp()};
    }
    std::size_t entityCount() const {
        std::size_t count = 0;
        for (orv::WorldContainer* container : worlds->getWorldContainers())
            count += container->getWorld()->getEntityCount();
        return count;
    }

    std::vector<const orv::Entity*> frogs() const {
        std::vector<const orv::Entity*> found;
        for (const auto& entity : world().getEntities())
            if (entity->findComponent<tarsk::AiComponent>())
                found.push_back(entity.get());
        return found;
    }

    void hold(sf::Keyboard::Key key, bool down) {
        const unsigned code = static_cast<unsigned>(key);
        if (device.keys.contains(code) == down)
            return;
        sf::Event event{};
        event.type = down ? sf::Event::KeyPressed : sf::Event::KeyReleased;
        event.key.code = key;
        harness.events->push(event);
        if (down)
            device.keys.insert(code);
        else
            device.keys.erase(code);
    }
    void walk(sf::Vector2f direction) {
        hold(sf::Keyboard::W, direction.y < -0.3f);
        hold(sf::Keyboard::S, direction.y > 0.3f);
        hold(sf::Keyboard::A, direction.x < -0.3f);
        hold(sf::Keyboard::D, direction.x > 0.3f);
    }
    void pointAt(sf::Vector2f at) {
        const sf::View& view =
            harness.root->getActiveCamera().getCamera()->getComponent<tarsk::CameraComponent>()->getView();
        device.mouse = harness.root->getWindow().mapCoordsToPixel(at * orv::PixelsPerUnit, view);
        device.desktopMouse = device.mouse;
    }
    void punch() { harness.pushKey(sf::Keyboard::Space); }

private:
    apptest::DeviceState device;
    apptest::RootHarness harness;
    tarsk::ActivePlayerGameState* state = nullptr;
    orv::WorldManager* worlds = nullptr;
};

// What the player does in one frame: walk to the frogs' ground, go for the nearest frog, up the
// plank path while it lies far north, and punch it when it is in reach and has had its bite. A
// player held up by a tree or a torch steps sideways.
class Pilot {
public:
    void play(Game& game, int frame) {
        const sf::Vector2f at = positionOf(game.player());
        const std::vector<const orv::Entity*> frogs = game.frogs();
        watchBites(game, frogs, at);
        if (sidestep > 0) {
            --sidestep;
            game.walk({sidestep % 60 < 30 ? 1.f : -1.f, 0.f});
            return;
        }
        stillFrames = distance(at, last) < 0.02f ? stillFrames + 1 : 0;
        last = at;
        if (stillFrames > 20) {
            stillFrames = 0;
            sidestep = 15;
        }
        const auto nearest = std::min_element(frogs.begin(), frogs.end(), [&](auto* a, auto* b) {
            return distance(positionOf(*a), at) < distance(positionOf(*b), at);
        });
        const sf::Vector2f target = nearest == frogs.end() ? FrogGround : positionOf(**nearest);
        if (nearest == frogs.end() || distance(target, at) > EngageDistance) {
            // Up the plank path between its torches, then on to the frog or the spot.
            const sf::Vector2f goal =
                at.y > std::max(target.y, FrogGround.y) + 2.f ? sf::Vector2f{PathX, at.y - 2.f} : target;
            game.walk(distance(goal, at) > 0.5f ? goal - at : sf::Vector2f{});
            stillFrames = distance(goal, at) > 0.5f ? stillFrames : 0;
            return;
        }
        game.pointAt(target);
        // Bodies meeting above or below each other are too far apart for a bite: a frog that is
        // spared is met level with it, on the side the player is.
        const bool spare = !mayPunch(*nearest);
        const sf::Vector2f spot =
            target + sf::Vector2f{at.x < target.x ? -StrikeDistance : StrikeDistance, 0.f};
        const bool close = spare ? std::max(std::abs(spot.x - at.x), std::abs(spot.y - at.y)) <= 0.3f
                                 : distance(target, at) <= StrikeDistance;
        game.walk(close ? sf::Vector2f{} : (spare ? spot : target) - at);
        if (close)
            stillFrames = 0;
        if (!spare && distance(target, at) < PunchReach && frame % FramesBetweenPunches == 0)
            game.punch();
    }

private:
    // A fall in the player's health since the last frame is a bite from the frogs near.
    void watchBites(const Game& game, const std::vector<const orv::Entity*>& frogs, sf::Vector2f at) {
        const float health = game.health();
        const bool bitten = health < lastHealth;
        lastHealth = health;
        std::map<const orv::Entity*, sf::Time> stillHere;
        for (const orv::Entity* frog : frogs) {
            const bool near = distance(positionOf(*frog), at) <= BiteNear;
            if (near && bitten)
                hasBitten.insert(frog);
            stillHere[frog] = nearFor[frog] + (near ? FrameTime : sf::Time::Zero);
        }
        nearFor = std::move(stillHere);
        std::erase_if(hasBitten, [this](const orv::Entity* frog) { return !nearFor.contains(frog); });
    }
    bool mayPunch(const orv::Entity* frog) const {
        return hasBitten.contains(frog) || nearFor.at(frog) >= LongestSpare;
    }

    sf::Vector2f last;
    int stillFrames = 0;
    int sidestep = 0;
    float lastHealth = 0.f;
    std::map<const orv::Entity*, sf::Time> nearFor;
    std::set<const orv::Entity*> hasBitten;
};

// The seed of a run: ORV_SOAK_SEED, or one fixed seed so that every run is the same.
std::uint32_t runSeed() {
    const char* seed = std::getenv("ORV_SOAK_SEED");
    return seed && *seed ? static_cast<std::uint32_t>(std::stoul(seed)) : DefaultSeed;
}

std::map<const orv::Entity*, float> frogHealth(const Game& game) {
    std::map<const orv::Entity*, float> health;
    for (const orv::Entity* frog : game.frogs())
        health[frog] = frog->getComponent<tarsk::HealthComponent>()->getHealth();
    return health;
}

struct Sample {
    std::size_t entities;
    std::size_t heap;
};

TEST(Soak, HalfAnHourOfFrogFightsKeepsEntitiesAndHeapFlat) {
    sf::Time played;
    int games = 0, deaths = 0, bites = 0, hits = 0, kills = 0, frames = 0;
    // One series a game: a new game loads its content again, so floors compare within a game,
    // and only over a game long enough for its early floor to settle.
    std::vector<std::vector<Sample>> series;
    std::size_t firstEntities = 0;
    // A player who dies early leaves a game too short for its heap floors: play on for one that is not.
    const auto measurable = [&] {
        return std::any_of(series.begin(), series.end(),
                           [](const auto& s) { return s.size() >= MinSamples; });
    };
    const auto soaking = [&] {
        return played < SoakGameTime || (!measurable() && played < LongestGameTime);
    };
    const std::uint32_t seed = runSeed();
    std::cout << "seed " << seed << '\n';
    while (soaking()) {
        // A game after a death plays on from a seed of its own.
        Game game(seed + static_cast<std::uint32_t>(games) * 7919u);
        Pilot pilot;
        if (games++ == 0)
            firstEntities = game.entityCount();
        series.emplace_back();
        while (soaking()) {
            pilot.play(game, frames);
            const float health = game.health();
            const std::pair<int, int> progress = game.progress();
            const std::map<const orv::Entity*, float> frogsBefore = frogHealth(game);
            game.frame();
            ++frames;
            played += FrameTime * tarsk::TimeSystem::gameTimeFactor;
            // The program ended with the player's death, and the player with it.
            if (game.over()) {
                ++deaths;
                break;
            }
            bites += game.health() < health;
            kills += game.progress() != progress;
            for (const auto& [frog, now] : frogHealth(game)) {
                const auto before = frogsBefore.find(frog);
                hits += before != frogsBefore.end() && now < before->second;
            }
            if (frames % SampleEvery == 0)
                series.back().push_back({game.entityCount(), heapInUse()});
        }
    }
    std::cout << "games " << games << ", frames " << frames << ", deaths " << deaths << ", bites " << bites
              << ", hits " << hits << ", kills " << kills << '\n';
    EXPECT_GT(bites, 0) << "no frog bit the player";
    EXPECT_GT(hits, 0) << "the player hit no frog";

    // Frames spike the heap for a moment; a leak lifts its floor.
    const auto floorOf = [](auto first, auto last) {
        return std::min_element(first, last, [](const Sample& a, const Sample& b) { return a.heap < b.heap; })
            ->heap;
    };
    std::size_t checked = 0;
    for (const std::vector<Sample>& samples : series) {
        for (std::size_t i = 0; i < samples.size(); ++i)
            EXPECT_LE(samples[i].entities, firstEntities + MostSpawned) << "sample " << i;
        if (samples.size() < MinSamples)
            continue;
        ++checked;
        const std::size_t quarter = samples.size() / 4;
        const std::size_t earlyFloor = floorOf(samples.begin(), samples.begin() + quarter);
        const std::size_t lateFloor = floorOf(samples.end() - quarter, samples.end());
        std::cout << "heap floor early " << earlyFloor << ", late " << lateFloor << '\n';
        EXPECT_LE(lateFloor, earlyFloor + HeapFloorRise);
    }
    EXPECT_GT(checked, 0u) << "no game ran long enough to measure its heap";
}

} // namespace

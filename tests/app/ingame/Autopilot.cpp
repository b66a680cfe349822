#include "app/ingame/Autopilot.hpp"

#include "app/ingame/IngameBaseGameState.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "app/screens/ActivePlayerFightBarGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsComponent.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/combat/Attack.hpp"
#include "game/health/HealthComponent.hpp"
#include "game/orientation/OrientationComponent.hpp"
#include "game/render/SpriteComponent.hpp"
#include "ui/TextArea.hpp"
#include "ui/Widget.hpp"

#include <cmath>
#include <limits>
#include <sstream>
#include <stdexcept>

namespace apptest {

namespace {

using LoadedGame = tarsk::LoadedSavegameGameState<tarsk::IngameBaseGameState<1>>;

// The longest frame the game steps its physics by in one go.
const sf::Time FrameTime = sf::seconds(orv::PhysicsSystem::MaxStepSeconds);
// The slowest the player may walk before a walk counts as stalled, in units per second.
constexpr float SlowestWalk = 1.f;
constexpr int FramesPerSecond = 30;
// Frames without getting closer before trying a step to the side.
constexpr int StuckFrames = 20;
constexpr int SidestepFrames = 15;
// Blows are measured between centres of mass; these stay a little inside the punch's 1.8 and
// the swing's 2.3 units, so the enemy's own step in the frame of the blow does not take it out.
constexpr float PunchReach = 1.65f;
constexpr float SwingReach = 2.1f;
// While the blows cool down, an enemy closer than this is kept off by stepping back.
constexpr float KeepOff = 1.6f;
// A blow lands on what lies within half its angle (the punch's is 32.5 degrees) of the facing.
constexpr float FacingSlack = 25.f;
// Enemies within this distance make the crowd the player steps back from.
constexpr float CrowdRadius = 4.f;
// Farther than this, the player runs.
constexpr float RunBeyond = 4.f;
constexpr int FightBudget = 60 * FramesPerSecond;
constexpr int TalkBudget = 40 * FramesPerSecond;
constexpr int PickUpBudget = 20 * FramesPerSecond;
const std::string ContinueHint = tarsk::ActivePlayerDialogueGameState::continueHint;

float length(sf::Vector2f v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

std::string withoutHint(std::string text) {
    if (text.size() >= ContinueHint.size() &&
        text.compare(text.size() - ContinueHint.size(), ContinueHint.size(), ContinueHint) == 0)
        text.resize(text.size() - ContinueHint.size());
    return text;
}

} // namespace

Autopilot::Autopilot(RootHarness& harness, DeviceState& device) : harness(harness), device(device) {}

void Autopilot::frame() {
    if (harness.root->isClosed())
        stalled(phase, "the program has ended");
    watchPlayer();
    harness.clock->push(FrameTime);
    harness.frame();
    ++frameCount;
    if (!harness.root->isClosed()) {
        watchPlayer();
        return;
    }
    // The program ends after the frame the player died in.
    std::ostringstream what;
    what << "phase \"" << phase << "\": the game closed in frame " << frameCount;
    if (lastSeen.seen) {
        what << (lastSeen.health <= 0.f ? "; the player died" : "; the player was last seen") << " at ("
             << lastSeen.at.x << ", " << lastSeen.at.y << ") in world " << lastSeen.world << ", health "
             << lastSeen.health;
    }
    throw std::runtime_error(what.str());
}

void Autopilot::watchPlayer() {
    tarsk::ActivePlayerGameState* state = playerState();
    if (!state || !state->getPlayer())
        return;
    auto& health = *state->getPlayer()->getComponent<tarsk::HealthComponent>();
    if (watched != state->getPlayer()) {
        watching.disconnectAll();
        watched = state->getPlayer();
        health.healthChanged.connectTracked(watching, [this](float now) { lastSeen.health = now; });
    }
    lastSeen = {true, playerPosition(), state->getPlayerContainer()->getId(), health.getHealth()};
}

void Autopilot::frames(int count) {
    for (int i = 0; i < count; ++i)
        frame();
}

bool Autopilot::waitFor(const std::function<bool()>& condition, int budget) {
    for (int i = 0; i < budget; ++i) {
        if (condition())
            return true;
        frame();
    }
    return condition();
}

void Autopilot::holdKey(sf::Keyboard::Key key) {
    const auto code = static_cast<unsigned>(key);
    if (device.keys.contains(code))
        return;
    device.keys.insert(code);
    harness.pushKey(key);
}

void Autopilot::releaseKey(sf::Keyboard::Key key) {
    const auto code = static_cast<unsigned>(key);
    if (!device.keys.erase(code))
        return;
    sf::Event event{};
    event.type = sf::Event::KeyReleased;
    event.key.code = key;
    harness.events->push(event);
}

void Autopilot::tapKey(sf::Keyboard::Key key) {
    holdKey(key);
    frame();
    releaseKey(key);
}

void Autopilot::pointAt(sf::Vector2i pixel) {
    device.mouse = pixel;
    device.desktopMouse = device.windowPosition + pixel;
    sf::Event event{};
    event.type = sf::Event::MouseMoved;
    event.mouseMove = {pixel.x, pixel.y};
    harness.events->push(event);
}

void Autopilot::pushButton(sf::Event::EventType type, sf::Mouse::Button button) {
    sf::Event event{};
    event.type = type;
    event.mouseButton = {button, device.mouse.x, device.mouse.y};
    harness.events->push(event);
}

void Autopilot::pressLeft() {
    device.buttons.insert(sf::Mouse::Left);
    pushButton(sf::Event::MouseButtonPressed, sf::Mouse::Left);
}

void Autopilot::releaseLeft() {
    device.buttons.erase(sf::Mouse::Left);
    pushButton(sf::Event::MouseButtonReleased, sf::Mouse::Left);
}

void Autopilot::click(sf::Vector2i pixel) {
    pointAt(pixel);
    pushButton(sf::Event::MouseButtonPressed, sf::Mouse::Left);
    pushButton(sf::Event::MouseButtonReleased, sf::Mouse::Left);
    frame();
}

void Autopilot::clickWidget(const ui::Widget& widget) {
    const sf::FloatRect area = widget.getAllocation();
    click({static_cast<int>(area.left + area.width / 2.f), static_cast<int>(area.top + area.height / 2.f)});
}

tarsk::MainMenuGameState& Autopilot::menu() const {
    const auto& children = harness.root->getSubStates();
    if (harness.root->isClosed() || children.empty())
        throw std::runtime_error("the program has ended");
    return dynamic_cast<tarsk::MainMenuGameState&>(*children.front());
}

tarsk::ActivePlayerGameState* Autopilot::playerState() const {
    if (harness.root->isClosed() || harness.root->getSubStates().empty())
        return nullptr;
    const auto& games = menu().getSubStates();
    auto* game = games.empty() ? nullptr : dynamic_cast<LoadedGame*>(games.front().get());
    if (!game || game->getSubStates().empty())
        return nullptr;
    auto* ingame = dynamic_cast<tarsk::IngameBaseGameState<1>*>(game->getSubStates().front().get());
    return ingame ? ingame->getPlayerState() : nullptr;
}

const orv::Entity& Autopilot::player() const {
    tarsk::ActivePlayerGameState* state = playerState();
    if (!state || !state->getPlayer())
        throw std::runtime_error("no game is running");
    return *state->getPlayer();
}

sf::Vector2f Autopilot::playerPosition() const {
    return player().getComponent<orv::TransformationComponent>()->getPositionXY();
}

orv::World& Autopilot::playerWorld() const {
    return *player().getWorld();
}

sf::Vector2i Autopilot::toPixel(sf::Vector2f world) const {
    const orv::Entity* camera = harness.root->getActiveCamera().getCamera();
    if (!camera)
        throw std::runtime_error("no active camera");
    return harness.root->getWindow().mapCoordsToPixel(
        world * 16.f, camera->getComponent<tarsk::CameraComponent>()->getView());
}

const sf::View* Autopilot::cameraView() const {
    const orv::Entity* camera = harness.root->getActiveCamera().getCamera();
    return camera ? &camera->getComponent<tarsk::CameraComponent>()->getView() : nullptr;
}

const orv::Entity* Autopilot::nearest(const EntityTest& test) const {
    const sf::Vector2f from = playerPosition();
    const orv::Entity* best = nullptr;
    float bestDistance = std::numeric_limits<float>::max();
    for (const auto& entity : playerWorld().getEntities()) {
        const auto* transform = entity->findComponent<orv::TransformationComponent>();
        if (entity.get() == &player() || !transform || !test(*entity))
            continue;
        const float distance = length(transform->getPositionXY() - from);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = entity.get();
        }
    }
    return best;
}

bool Autopilot::isAlive(const orv::Entity* entity) const {
    if (!entity || !playerWorld().contains(entity))
        return false;
    const auto* health = entity->findComponent<tarsk::HealthComponent>();
    return !health || !health->isDead();
}

sf::Vector2f Autopilot::aimPoint(const orv::Entity& entity) const {
    if (const auto* sprite = entity.findComponent<tarsk::SpriteComponent>()) {
        const sf::FloatRect bounds = sprite->getGlobalBounds();
        if (bounds.width > 0.f && bounds.height > 0.f)
            return {(bounds.left + bounds.width / 2.f) / 16.f, (bounds.top + bounds.height / 2.f) / 16.f};
    }
    return entity.getComponent<orv::TransformationComponent>()->getPositionXY();
}

sf::Vector2f Autopilot::centreOf(const orv::Entity& entity) const {
    const auto* physics = entity.findComponent<orv::PhysicsComponent>();
    if (const b2Body* body = physics ? physics->getBody() : nullptr)
        return {body->GetWorldCenter().x, body->GetWorldCenter().y};
    return entity.getComponent<orv::TransformationComponent>()->getPositionXY();
}

void Autopilot::holdOnly(const std::vector<sf::Keyboard::Key>& keys) {
    for (sf::Keyboard::Key key : {sf::Keyboard::W, sf::Keyboard::A, sf::Keyboard::S, sf::Keyboard::D}) {
        bool wanted = false;
        for (sf::Keyboard::Key k : keys)
            wanted = wanted || k == key;
        if (wanted)
            holdKey(key);
        else
            releaseKey(key);
    }
}

void Autopilot::steer(sf::Vector2f towards, float deadZone) {
    std::vector<sf::Keyboard::Key> keys;
    if (towards.x > deadZone)
        keys.push_back(sf::Keyboard::D);
    else if (towards.x < -deadZone)
        keys.push_back(sf::Keyboard::A);
    if (towards.y > deadZone)
        keys.push_back(sf::Keyboard::S);
    else if (towards.y < -deadZone)
        keys.push_back(sf::Keyboard::W);
    holdOnly(keys);
}

void Autopilot::setRight(bool down) {
    if (device.buttons.contains(sf::Mouse::Right) == down)
        return;
    if (down)
        device.buttons.insert(sf::Mouse::Right);
    else
        device.buttons.erase(sf::Mouse::Right);
    pushButton(down ? sf::Event::MouseButtonPressed : sf::Event::MouseButtonReleased, sf::Mouse::Right);
}

void Autopilot::strike(bool withSwing) {
    setRight(withSwing);
    holdKey(sf::Keyboard::Space);
    frame();
    releaseKey(sf::Keyboard::Space);
    setRight(false);
}

void Autopilot::releaseAll() {
    holdOnly({});
    releaseKey(sf::Keyboard::LShift);
    if (device.buttons.contains(sf::Mouse::Left))
        releaseLeft();
    setRight(false);
}

void Autopilot::walkTo(const std::string& walkPhase, sf::Vector2f target, float radius,
                       const std::function<bool()>& arrived) {
    phase = walkPhase;
    const int budget = static_cast<int>(length(target - playerPosition()) / SlowestWalk * FramesPerSecond) +
                       2 * FramesPerSecond;
    resetDetour();
    // Running, as anyone would on a long way.
    holdKey(sf::Keyboard::LShift);
    for (int i = 0; i < budget; ++i) {
        const sf::Vector2f towards = target - playerPosition();
        const float distance = length(towards);
        if (distance <= radius || (arrived && arrived())) {
            holdOnly({});
            releaseKey(sf::Keyboard::LShift);
            return;
        }
        // The player faces the mouse: look where the walk goes.
        pointAt(toPixel(target));
        const sf::Vector2f way = detour(towards);
        steer(way, way == towards ? std::min(0.2f, radius / 2.f) : 0.05f * distance);
        frame();
    }
    holdOnly({});
    releaseKey(sf::Keyboard::LShift);
    std::ostringstream what;
    what << "did not reach (" << target.x << ", " << target.y << ")";
    stalled(phase, what.str());
}

void Autopilot::resetDetour() {
    closest = std::numeric_limits<float>::max();
    sinceCloser = 0;
    sidestep = 0;
}

sf::Vector2f Autopilot::detour(sf::Vector2f towards) {
    const float distance = length(towards);
    if (distance < closest - 0.1f) {
        closest = distance;
        sinceCloser = 0;
    } else if (++sinceCloser > StuckFrames) {
        // Something is in the way: step to one side for a while, the other side next time.
        sidestep = SidestepFrames;
        sinceCloser = 0;
        closest = distance;
        side = -side;
    }
    if (sidestep == 0)
        return towards;
    --sidestep;
    return {-towards.y * side, towards.x * side};
}

void Autopilot::followPath(const std::string& pathPhase, const std::vector<sf::Vector2f>& waypoints,
                           const std::function<bool()>& arrived) {
    for (std::size_t i = 0; i < waypoints.size() && !(arrived && arrived()); ++i)
        walkTo(pathPhase + ", waypoint " + std::to_string(i), waypoints[i],
               i + 1 == waypoints.size() ? 0.6f : 1.2f, arrived);
}

std::vector<std::string> Autopilot::talkTo(const std::string& talkPhase, const orv::Entity& character) {
    tarsk::ActivePlayerGameState& state = *playerState();
    // Close enough to be within reach of the talk action.
    walkTo(talkPhase, character.getComponent<orv::TransformationComponent>()->getPositionXY(), 2.f);
    pointAt(toPixel(aimPoint(character)));
    pressLeft();
    const bool opened = waitFor([&] { return state.getDialogue() != nullptr; }, 5 * FramesPerSecond);
    releaseLeft();
    if (!opened)
        stalled(phase, "no conversation opened");
    frame();

    std::vector<std::string> lines;
    int frameBudget = TalkBudget;
    while (tarsk::ActivePlayerDialogueGameState* dialogue = state.getDialogue()) {
        const std::string line = withoutHint(dialogue->getTextBox()->getText());
        if (!line.empty() && (lines.empty() || lines.back() != line))
            lines.push_back(line);
        if (!dialogue->isFinished())
            click(device.mouse);
        else
            frame();
        if (--frameBudget == 0)
            stalled(phase, "the conversation did not end");
    }
    return lines;
}

sf::Vector2f Autopilot::awayFromCrowd(const EntityTest& enemy) const {
    const sf::Vector2f here = playerPosition();
    sf::Vector2f away;
    for (const auto& entity : playerWorld().getEntities()) {
        const auto* transform = entity->findComponent<orv::TransformationComponent>();
        if (entity.get() == &player() || !transform || !enemy(*entity))
            continue;
        const sf::Vector2f from = here - transform->getPositionXY();
        const float distance = length(from);
        // The closer, the more it counts.
        if (distance < CrowdRadius && distance > 0.f)
            away += from / (distance * distance);
    }
    return away;
}

bool Autopilot::faces(const orv::Entity& target) const {
    const sf::Vector2f d = centreOf(target) - centreOf(player());
    const float facing = player().getComponent<tarsk::OrientationComponent>()->getAngle() + 90.f;
    float off = std::fmod(std::atan2(d.y, d.x) * 180.f / 3.1415927f - facing, 360.f);
    if (off > 180.f)
        off -= 360.f;
    else if (off < -180.f)
        off += 360.f;
    return std::fabs(off) <= FacingSlack;
}

void Autopilot::fightUntil(const std::string& fightPhase, const EntityTest& enemy,
                           const std::function<bool()>& done, bool swing) {
    phase = fightPhase;
    using Slots = tarsk::ActivePlayerFightBarGameState;
    const orv::Entity* chased = nullptr;
    for (int i = 0; i < FightBudget; ++i) {
        if (done()) {
            releaseAll();
            return;
        }
        // The nearest by position is the one that bites first: bites are measured that way.
        const orv::Entity* target = nearest(enemy);
        if (!target)
            stalled(phase, "no enemy in this world");
        const sf::Vector2f towards = centreOf(*target) - centreOf(player());
        const float distance = length(towards);
        const float biteDistance =
            length(target->getComponent<orv::TransformationComponent>()->getPositionXY() - playerPosition());
        // Blows go where the player faced in the frame before; the mouse turns it for the next.
        const bool aimed = faces(*target);
        pointAt(toPixel(centreOf(*target)));

        const tarsk::ActivePlayerFightBarGameState& bar = *playerState()->getFightBar();
        const tarsk::Attack* swingBlow = bar.getAttack(Slots::swingSlot);
        const tarsk::Attack* punch = bar.getAttack(Slots::punchSlot);
        const bool swingReady = swing && swingBlow && swingBlow->isReady();
        const bool punchReady = punch && punch->isReady();
        const bool cooling = !swingReady && !punchReady;
        if (cooling && biteDistance < KeepOff) {
            // Out of reach of everything close until the next blow is ready.
            holdKey(sf::Keyboard::LShift);
            steer(awayFromCrowd(enemy), 0.f);
        } else if (!cooling && distance > PunchReach - 0.3f) {
            if (distance > RunBeyond)
                holdKey(sf::Keyboard::LShift);
            else
                releaseKey(sf::Keyboard::LShift);
            if (chased != target)
                resetDetour();
            chased = target;
            steer(detour(towards), 0.15f);
        } else {
            holdOnly({});
        }

        if (aimed && swingReady && distance <= SwingReach)
            strike(true);
        else if (aimed && punchReady && distance <= PunchReach)
            strike(false);
        else
            frame();
    }
    releaseAll();
    stalled(phase, "the fight did not end");
}

void Autopilot::pickUp(const std::string& pickPhase, const orv::Entity& item) {
    walkTo(pickPhase, item.getComponent<orv::TransformationComponent>()->getPositionXY(), 1.5f);
    pointAt(toPixel(aimPoint(item)));
    pressLeft();
    const bool taken = waitFor(
        [&] {
            if (!playerWorld().contains(&item))
                return true;
            // The item may roll as the player brushes it: keep the mouse on it.
            pointAt(toPixel(aimPoint(item)));
            return false;
        },
        PickUpBudget);
    releaseLeft();
    frame();
    if (!taken)
        stalled(phase, "the item was not picked up");
}

void Autopilot::stalled(const std::string& where, const std::string& what) const {
    std::ostringstream message;
    message << "phase \"" << where << "\" stalled after " << frameCount << " frames: " << what;
    if (tarsk::ActivePlayerGameState* state = playerState(); state && state->getPlayer()) {
        const sf::Vector2f at = playerPosition();
        message << "; the player stood at (" << at.x << ", " << at.y << ") in world "
                << state->getPlayerContainer()->getId();
    }
    throw std::runtime_error(message.str());
}

} // namespace apptest

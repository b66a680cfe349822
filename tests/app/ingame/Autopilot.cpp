#include "app/ingame/Autopilot.hpp"

#include "app/ingame/IngameBaseGameState.hpp"
#include "app/menu/MainMenuGameState.hpp"
#include "app/player/ActivePlayerGameState.hpp"
#include "app/savegame/LoadedSavegameGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/health/HealthComponent.hpp"
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

const sf::Time FrameTime = sf::microseconds(16667);
// The slowest the player may walk before a walk counts as stalled, in units per second.
constexpr float SlowestWalk = 1.f;
constexpr int FramesPerSecond = 60;
// Frames without getting closer before trying a step to the side.
constexpr int StuckFrames = 45;
constexpr int SidestepFrames = 30;
// The punch reaches 1.8 units; closer than this the autopilot stops walking and hits.
constexpr float StrikeDistance = 1.1f;
// Attacks wait out their cooldown by themselves; pressing more often only tries more often.
constexpr int FramesBetweenAttacks = 4;
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
    // The program ends when the player dies.
    if (harness.root->isClosed())
        stalled("frame", "the program has ended");
    harness.clock->push(FrameTime);
    harness.frame();
    ++frameCount;
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
    return dynamic_cast<tarsk::MainMenuGameState&>(*harness.root->getSubStates().front());
}

tarsk::ActivePlayerGameState* Autopilot::playerState() const {
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

void Autopilot::releaseAll() {
    holdOnly({});
    releaseKey(sf::Keyboard::LShift);
    if (device.buttons.contains(sf::Mouse::Left))
        releaseLeft();
    if (device.buttons.contains(sf::Mouse::Right)) {
        device.buttons.erase(sf::Mouse::Right);
        pushButton(sf::Event::MouseButtonReleased, sf::Mouse::Right);
    }
}

void Autopilot::walkTo(const std::string& phase, sf::Vector2f target, float radius) {
    const int budget = static_cast<int>(length(target - playerPosition()) / SlowestWalk * FramesPerSecond) +
                       2 * FramesPerSecond;
    float closest = std::numeric_limits<float>::max();
    int sinceCloser = 0;
    int sidestep = 0;
    float side = 1.f;
    // Running, as anyone would on a long way.
    holdKey(sf::Keyboard::LShift);
    for (int i = 0; i < budget; ++i) {
        const sf::Vector2f towards = target - playerPosition();
        const float distance = length(towards);
        if (distance <= radius) {
            holdOnly({});
            releaseKey(sf::Keyboard::LShift);
            return;
        }
        if (distance < closest - 0.1f) {
            closest = distance;
            sinceCloser = 0;
        } else if (++sinceCloser > StuckFrames) {
            // Something is in the way: step to one side for a while, the other side next time.
            sidestep = SidestepFrames;
            sinceCloser = 0;
            side = -side;
        }
        // The player faces the mouse: look where the walk goes.
        pointAt(toPixel(target));
        if (sidestep > 0) {
            --sidestep;
            steer({-towards.y * side, towards.x * side}, 0.05f * distance);
        } else {
            steer(towards, std::min(0.2f, radius / 2.f));
        }
        frame();
    }
    holdOnly({});
    releaseKey(sf::Keyboard::LShift);
    std::ostringstream what;
    what << "did not reach (" << target.x << ", " << target.y << ")";
    stalled(phase, what.str());
}

void Autopilot::followPath(const std::string& phase, const std::vector<sf::Vector2f>& waypoints) {
    for (std::size_t i = 0; i < waypoints.size(); ++i)
        walkTo(phase + ", waypoint " + std::to_string(i), waypoints[i],
               i + 1 == waypoints.size() ? 0.6f : 1.2f);
}

std::vector<std::string> Autopilot::talkTo(const std::string& phase, const orv::Entity& character) {
    tarsk::ActivePlayerGameState& state = *playerState();
    // Close enough to be within reach of the talk action.
    walkTo(phase, character.getComponent<orv::TransformationComponent>()->getPositionXY(), 2.f);
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

void Autopilot::defeat(const std::string& phase, const EntityTest& enemy, bool swing) {
    const orv::Entity* target = nearest(enemy);
    if (!target)
        stalled(phase, "no enemy in this world");
    for (int i = 0; i < FightBudget; ++i) {
        if (!isAlive(target)) {
            releaseAll();
            return;
        }
        const sf::Vector2f position = target->getComponent<orv::TransformationComponent>()->getPositionXY();
        const sf::Vector2f towards = position - playerPosition();
        pointAt(toPixel(aimPoint(*target)));
        if (length(towards) > StrikeDistance)
            steer(towards, 0.15f);
        else
            holdOnly({});
        if (swing && !device.buttons.contains(sf::Mouse::Right)) {
            device.buttons.insert(sf::Mouse::Right);
            pushButton(sf::Event::MouseButtonPressed, sf::Mouse::Right);
        }
        if (i % FramesBetweenAttacks == 0 && length(towards) < 2.f) {
            holdKey(sf::Keyboard::Space);
            frame();
            releaseKey(sf::Keyboard::Space);
        } else {
            frame();
        }
    }
    releaseAll();
    stalled(phase, "the enemy still lives");
}

void Autopilot::pickUp(const std::string& phase, const orv::Entity& item) {
    walkTo(phase, item.getComponent<orv::TransformationComponent>()->getPositionXY(), 1.5f);
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

void Autopilot::stalled(const std::string& phase, const std::string& what) const {
    std::ostringstream message;
    message << "phase \"" << phase << "\" stalled after " << frameCount << " frames: " << what;
    if (tarsk::ActivePlayerGameState* state = playerState(); state && state->getPlayer()) {
        const sf::Vector2f at = playerPosition();
        message << "; the player stood at (" << at.x << ", " << at.y << ") in world "
                << state->getPlayerContainer()->getId();
    }
    throw std::runtime_error(message.str());
}

} // namespace apptest

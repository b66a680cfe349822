#include "app/ingame/HumanPilot.hpp"

#include "app/player/ActivePlayerGameState.hpp"
#include "app/screens/ActivePlayerDialogueGameState.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/render/SpriteComponent.hpp"
#include "ui/TextArea.hpp"

#include <cmath>
#include <limits>
#include <sstream>

namespace apptest {

namespace {

constexpr float FrameSeconds = orv::PhysicsSystem::MaxStepSeconds;

int framesOf(float seconds) {
    return static_cast<int>(std::ceil(seconds / FrameSeconds));
}

// Eight frames of 1/30 s are 267 ms: no reaction comes sooner than 250 ms.
const int FastestReaction = framesOf(0.25f);
const int SlowestReaction = FastestReaction + 4;
// Six frames are 200 ms: at most five aims a second.
const int QuickestAim = framesOf(0.2f);
// Seen from far enough back for the slowest reaction.
const std::size_t Remembered = static_cast<std::size_t>(SlowestReaction) + 2;
// Distances between the drawn centres of the player and an enemy at which a blow is tried.
constexpr float PunchReach = 1.3f;
constexpr float SwingReach = 1.8f;
// What the player was told: the swing has a longer cooldown. It waits a little past 2 s.
constexpr float SwingPause = 2.3f;
constexpr float RunBeyond = 4.f;
constexpr float SlowestWalk = 1.f;
const int FightBudget = framesOf(240.f);
const int UseBudget = framesOf(20.f);
const int TalkBudget = framesOf(120.f);

float length(sf::Vector2f v) {
    return std::sqrt(v.x * v.x + v.y * v.y);
}

} // namespace

HumanPilot::HumanPilot(Autopilot& hands, std::uint32_t seed) : hands(hands), random(seed) {
    reactionFrames = draw(FastestReaction, SlowestReaction);
}

int HumanPilot::draw(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

float HumanPilot::seconds() const {
    return static_cast<float>(frameCount) * FrameSeconds;
}

void HumanPilot::frame() {
    hands.frame();
    ++frameCount;
    if (frameCount >= nextReactionDraw) {
        reactionFrames = draw(FastestReaction, SlowestReaction);
        nextReactionDraw = frameCount + draw(10, 20);
    }
    look();
}

void HumanPilot::frames(int count) {
    for (int i = 0; i < count; ++i)
        frame();
}

void HumanPilot::look() {
    present.clear();
    Snapshot snapshot;
    const sf::View* view = hands.cameraView();
    if (!hands.playerState() || !hands.playerState()->getPlayer() || !view) {
        memory.push_back(std::move(snapshot));
        return;
    }
    const orv::World& world = hands.playerWorld();
    if (&world != lookedAt) {
        // A new world: nothing of it has been seen yet.
        memory.clear();
        lookedAt = &world;
    }
    const sf::FloatRect screen(view->getCenter() - view->getSize() / 2.f, view->getSize());
    for (const auto& entity : world.getEntities()) {
        present.insert(entity.get());
        const auto* sprite = entity->findComponent<tarsk::SpriteComponent>();
        if (!sprite)
            continue;
        const sf::FloatRect drawn = sprite->getGlobalBounds();
        if (drawn.width > 0.f && drawn.height > 0.f && drawn.intersects(screen))
            snapshot.push_back(
                {entity.get(),
                 {(drawn.left + drawn.width / 2.f) / 16.f, (drawn.top + drawn.height / 2.f) / 16.f}});
    }
    memory.push_back(std::move(snapshot));
    while (memory.size() > Remembered)
        memory.pop_front();
}

std::vector<HumanPilot::Sighting> HumanPilot::seen(const EntityTest& test) const {
    std::vector<Sighting> found;
    const auto back = static_cast<std::size_t>(reactionFrames);
    if (memory.size() <= back)
        return found;
    for (const Sighting& sighting : memory[memory.size() - 1 - back]) {
        if (present.contains(sighting.entity) && test(*sighting.entity))
            found.push_back(sighting);
    }
    return found;
}

bool HumanPilot::seenSelf(sf::Vector2f& at) const {
    const orv::Entity* self = &hands.player();
    const auto mine = seen([self](const orv::Entity& e) { return &e == self; });
    if (mine.empty())
        return false;
    at = mine.front().at;
    return true;
}

std::optional<HumanPilot::Sighting> HumanPilot::nearestSeen(const EntityTest& test, sf::Vector2f from) const {
    std::optional<Sighting> best;
    float bestDistance = std::numeric_limits<float>::max();
    for (const Sighting& sighting : seen(test)) {
        const float distance = length(sighting.at - from);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = sighting;
        }
    }
    return best;
}

bool HumanPilot::aimAt(sf::Vector2f world, const orv::Entity* entity) {
    if (frameCount - lastAim < aimGap)
        return false;
    lastAim = frameCount;
    aimedAt = entity;
    aimGap = draw(QuickestAim, QuickestAim + 3);
    hands.pointAt(hands.toPixel(world + sf::Vector2f(aimError(random), aimError(random))));
    return true;
}

void HumanPilot::stepTowards(sf::Vector2f towards, float deadZone) {
    if (length(towards) > RunBeyond)
        hands.holdKey(sf::Keyboard::LShift);
    else
        hands.releaseKey(sf::Keyboard::LShift);
    hands.steer(towards, deadZone);
}

void HumanPilot::walkTo(const std::string& phase, sf::Vector2f target, float radius,
                        const std::function<bool()>& arrived) {
    hands.setPhase(phase);
    const int budget =
        static_cast<int>(length(target - hands.playerPosition()) / SlowestWalk / FrameSeconds) +
        framesOf(4.f);
    hands.resetDetour();
    for (int i = 0; i < budget; ++i) {
        if (arrived && arrived())
            break;
        sf::Vector2f at;
        if (!seenSelf(at)) {
            frame();
            continue;
        }
        const sf::Vector2f towards = target - at;
        if (length(towards) <= radius) {
            hands.releaseAll();
            return;
        }
        aimAt(target);
        const sf::Vector2f way = hands.detour(towards);
        stepTowards(way, way == towards ? 0.2f : 0.05f * length(towards));
        frame();
    }
    hands.releaseAll();
    if (arrived && arrived())
        return;
    std::ostringstream what;
    what << "did not reach (" << target.x << ", " << target.y << ")";
    hands.stalled(phase, what.str());
}

void HumanPilot::followPath(const std::string& phase, const std::vector<sf::Vector2f>& waypoints,
                            const std::function<bool()>& arrived) {
    for (std::size_t i = 0; i < waypoints.size() && !(arrived && arrived()); ++i)
        walkTo(phase + ", waypoint " + std::to_string(i), waypoints[i],
               i + 1 == waypoints.size() ? 0.8f : 1.5f, arrived);
}

void HumanPilot::useNearest(const std::string& phase, const EntityTest& what,
                            const std::function<bool()>& done) {
    sf::Vector2f at;
    frames(SlowestReaction + 1);
    const std::optional<Sighting> thing = seenSelf(at) ? nearestSeen(what, at) : std::nullopt;
    if (!thing)
        hands.stalled(phase, "nothing of the kind in sight");
    const orv::Entity* entity = thing->entity;
    walkTo(phase, thing->at, 1.8f);
    frames(2);
    const int patience = framesOf(2.f);
    for (int i = 1; i <= UseBudget && !done(); ++i) {
        // Back on it whenever it is seen elsewhere: an item may roll as the player brushes it.
        const std::optional<Sighting> now =
            nearestSeen([entity](const orv::Entity& e) { return &e == entity; }, at);
        if (now && aimAt(now->at) && !hands.leftHeld())
            hands.pressLeft();
        frame();
        if (i % patience == 0 && now && seenSelf(at)) {
            // Nothing happens: a step back from it, as one does standing too close.
            if (hands.leftHeld())
                hands.releaseLeft();
            hands.steer(at - now->at, 0.f);
            frames(framesOf(0.3f));
            hands.holdOnly({});
        }
    }
    if (hands.leftHeld())
        hands.releaseLeft();
    frame();
    if (!done())
        hands.stalled(phase, "holding the button on it did not do it");
}

std::vector<std::string> HumanPilot::talkTo(const std::string& phase, const EntityTest& who) {
    tarsk::ActivePlayerGameState& state = *hands.playerState();
    useNearest(phase, who, [&] { return state.getDialogue() != nullptr; });
    const std::string& hint = tarsk::ActivePlayerDialogueGameState::continueHint;
    std::vector<std::string> lines;
    long long nextClick = frameCount + draw(FastestReaction, 3 * FastestReaction);
    for (int i = 0; i < TalkBudget; ++i) {
        tarsk::ActivePlayerDialogueGameState* dialogue = state.getDialogue();
        if (!dialogue)
            return lines;
        std::string line = dialogue->getTextBox()->getText();
        if (line.size() >= hint.size() && line.compare(line.size() - hint.size(), hint.size(), hint) == 0)
            line.resize(line.size() - hint.size());
        if (!line.empty() && (lines.empty() || lines.back() != line))
            lines.push_back(line);
        // Read, then click on.
        if (!dialogue->isFinished() && frameCount >= nextClick) {
            hands.pressLeft();
            hands.releaseLeft();
            nextClick = frameCount + draw(FastestReaction, 3 * FastestReaction);
        }
        frame();
    }
    hands.stalled(phase, "the conversation did not end");
}

void HumanPilot::strike(bool withSwing) {
    hands.setRight(withSwing);
    hands.holdKey(sf::Keyboard::Space);
    frame();
    hands.releaseKey(sf::Keyboard::Space);
    hands.setRight(false);
    lastStrike = frameCount;
    if (withSwing)
        lastSwing = frameCount;
}

void HumanPilot::fightUntil(const std::string& phase, const EntityTest& enemy,
                            const std::function<bool()>& done, const std::vector<sf::Vector2f>& patrol,
                            bool swing) {
    hands.setPhase(phase);
    std::size_t leg = 0;
    int punchPause = draw(9, 13);
    for (int i = 0; i < FightBudget; ++i) {
        if (done()) {
            hands.releaseAll();
            return;
        }
        sf::Vector2f at;
        if (!seenSelf(at)) {
            frame();
            continue;
        }
        const std::optional<Sighting> target = nearestSeen(enemy, at);
        if (!target) {
            // Nothing in sight: on along the round.
            if (patrol.empty())
                hands.stalled(phase, "no enemy in sight");
            if (length(patrol[leg] - at) < 1.5f)
                leg = (leg + 1) % patrol.size();
            aimAt(patrol[leg]);
            stepTowards(patrol[leg] - at, 0.2f);
            frame();
            continue;
        }
        const sf::Vector2f towards = target->at - at;
        const float distance = length(towards);
        const bool newTarget = target->entity != aimedAt;
        aimAt(target->at, target->entity);
        const bool swingBack = swing && frameCount - lastSwing >= framesOf(SwingPause);
        const float reach = swingBack ? SwingReach : PunchReach;
        if (distance > reach - 0.3f)
            stepTowards(towards, 0.15f);
        else
            hands.holdOnly({});
        if (!newTarget && aimedAt == target->entity && distance <= reach &&
            frameCount - lastStrike >= punchPause) {
            strike(swingBack);
            punchPause = draw(9, 13);
        } else {
            frame();
        }
    }
    hands.releaseAll();
    hands.stalled(phase, "the fight did not end");
}

} // namespace apptest

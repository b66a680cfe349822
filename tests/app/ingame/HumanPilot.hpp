#pragma once

#include "app/ingame/Autopilot.hpp"

#include <SFML/System/Vector2.hpp>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

namespace apptest {

// A player at a person's pace, playing with the autopilot's hands (keys and mouse through the
// real input path). It sees the screen a reaction time late (never under 250 ms): the drawn
// positions of the entities in view, as they were then. It moves the mouse to a new aim at most
// five times a second, with an error, and times its blows by its own count of the time since the
// last one; it never reads an enemy's cooldown, tree or timers. Its seed draws the reaction
// times, the aim errors and its rhythm.
class HumanPilot {
public:
    using EntityTest = Autopilot::EntityTest;

    HumanPilot(Autopilot& hands, std::uint32_t seed);

    // One frame, then a look at the screen.
    void frame();
    void frames(int count);

    // Walks there by sight, running on long ways, until within the radius or arrived.
    void walkTo(const std::string& phase, sf::Vector2f target, float radius,
                const std::function<bool()>& arrived = {});
    void followPath(const std::string& phase, const std::vector<sf::Vector2f>& waypoints,
                    const std::function<bool()>& arrived = {});
    // Walks up to the nearest thing in sight that passes the test and holds the left button on it
    // until done holds.
    void useNearest(const std::string& phase, const EntityTest& what, const std::function<bool()>& done);
    // Holds the left button on the character until a conversation opens, then clicks through it at
    // reading pace. Returns the lines shown.
    std::vector<std::string> talkTo(const std::string& phase, const EntityTest& who);
    // Fights what it sees of the enemies until done: walks up to the nearest, keeps the mouse on it
    // and strikes when it looks within reach, with the swing (right button held) when allowed and
    // its own count says the swing is back. With no enemy in sight it walks the patrol round.
    void fightUntil(const std::string& phase, const EntityTest& enemy, const std::function<bool()>& done,
                    const std::vector<sf::Vector2f>& patrol, bool swing = false);

    // Game time since the pilot started, in seconds.
    float seconds() const;

private:
    struct Sighting {
        const orv::Entity* entity = nullptr;
        // The centre of its sprite as drawn, in world units.
        sf::Vector2f at;
    };
    using Snapshot = std::vector<Sighting>;

    void look();
    // What the screen showed a reaction time ago, limited to what is still in the world and
    // passes the test.
    std::vector<Sighting> seen(const EntityTest& test) const;
    // The player as seen then; false while it was not in view.
    bool seenSelf(sf::Vector2f& at) const;
    std::optional<Sighting> nearestSeen(const EntityTest& test, sf::Vector2f from) const;
    // Moves the mouse onto the point (with an aim error) unless the last move was too recent;
    // remembers the entity aimed at there, if any.
    bool aimAt(sf::Vector2f world, const orv::Entity* entity = nullptr);
    // Walks towards the point seen, by the keys; runs when far.
    void stepTowards(sf::Vector2f towards, float deadZone);
    void strike(bool withSwing);
    int draw(int low, int high);

    Autopilot& hands;
    std::mt19937 random;
    std::normal_distribution<float> aimError{0.f, 0.12f};
    std::deque<Snapshot> memory;
    std::unordered_set<const orv::Entity*> present;
    const orv::World* lookedAt = nullptr;
    long long frameCount = 0;
    int reactionFrames = 0;
    long long nextReactionDraw = 0;
    long long lastAim = -1000;
    int aimGap = 6;
    long long lastStrike = -1000;
    long long lastSwing = -1000;
    const orv::Entity* aimedAt = nullptr;
};

} // namespace apptest

#pragma once

#include "app/input/ScriptedInputDevice.hpp"
#include "app/support/RootHarness.hpp"
#include "engine/signals/ScopedConnections.hpp"

#include <SFML/Graphics/View.hpp>
#include <SFML/System/Vector2.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orv {
class Entity;
class World;
} // namespace orv

namespace ui {
class Widget;
}

namespace tarsk {
class ActivePlayerGameState;
class MainMenuGameState;
} // namespace tarsk

namespace apptest {

// A player at the keyboard and mouse of the real root state. Everything it does reaches the game
// as window events and live device state; it reads the world only to decide what to press next.
// Every phase has a frame budget; running out of it, or the game closing, throws, naming the
// phase and where the player stood.
class Autopilot {
public:
    using EntityTest = std::function<bool(const orv::Entity&)>;

    // The device must be the one the root's input engine reads.
    Autopilot(RootHarness& harness, DeviceState& device);

    // One frame of 1/60 s.
    void frame();
    void frames(int count);
    // Frames until the condition holds, at most the budget; false if it never did.
    bool waitFor(const std::function<bool()>& condition, int budget);

    void holdKey(sf::Keyboard::Key key);
    void releaseKey(sf::Keyboard::Key key);
    // Pressed for one frame.
    void tapKey(sf::Keyboard::Key key);
    void pointAt(sf::Vector2i pixel);
    void pressLeft();
    void releaseLeft();
    // Move there, press and release within one frame.
    void click(sf::Vector2i pixel);
    void clickWidget(const ui::Widget& widget);

    // Throws once the program has ended.
    tarsk::MainMenuGameState& menu() const;
    // Null while no game runs.
    tarsk::ActivePlayerGameState* playerState() const;
    const orv::Entity& player() const;
    sf::Vector2f playerPosition() const;
    orv::World& playerWorld() const;
    // A world point as a window pixel, through the active camera.
    sf::Vector2i toPixel(sf::Vector2f world) const;
    // The active camera's view, or null without one.
    const sf::View* cameraView() const;
    bool leftHeld() const { return device.buttons.contains(sf::Mouse::Left); }

    // The nearest entity of the player's world that passes the test, or null.
    const orv::Entity* nearest(const EntityTest& test) const;
    bool isAlive(const orv::Entity* entity) const;

    // Steers with W/A/S/D until the player is within the radius of the target, or has arrived
    // by the given test.
    void walkTo(const std::string& phase, sf::Vector2f target, float radius = 0.6f,
                const std::function<bool()>& arrived = {});
    void followPath(const std::string& phase, const std::vector<sf::Vector2f>& waypoints,
                    const std::function<bool()>& arrived = {});
    // Holds the left button over the character until a conversation opens, then clicks through
    // it until the screen closes. Returns the lines shown, in order.
    std::vector<std::string> talkTo(const std::string& phase, const orv::Entity& character);
    // Fights the nearest enemy, whichever it is, until done holds: closes in, keeps the mouse on
    // it so the player faces it, strikes with Space whenever a blow is ready and the enemy within
    // its reach (the swing, right button held, when allowed and ready; else the punch), and steps
    // back while the blows cool down.
    void fightUntil(const std::string& phase, const EntityTest& enemy, const std::function<bool()>& done,
                    bool swing = false);
    // Walks up to the item and holds the left button on it until it is picked up.
    void pickUp(const std::string& phase, const orv::Entity& item);

    // Throws: the phase ran out of frames.
    [[noreturn]] void stalled(const std::string& phase, const std::string& what) const;

    long long getFrameCount() const { return frameCount; }

    // The keys that push the player towards the target this frame (none inside the dead zone).
    void steer(sf::Vector2f towards, float deadZone);
    void holdOnly(const std::vector<sf::Keyboard::Key>& keys);
    // The way to go this frame: straight towards the goal, or sideways for a while once the
    // player stopped getting closer.
    sf::Vector2f detour(sf::Vector2f towards);
    void resetDetour();
    void setRight(bool down);
    void releaseAll();
    // Names the phase in the report when the game closes.
    void setPhase(const std::string& name) { phase = name; }

private:
    // Where the player was last seen, for the report when the game closes.
    struct Sighting {
        bool seen = false;
        sf::Vector2f at;
        std::uint32_t world = 0;
        float health = 0.f;
    };

    void pushButton(sf::Event::EventType type, sf::Mouse::Button button);
    // One frame with Space pressed: the attack goes at the start of it.
    void strike(bool withSwing);
    // The centre of the entity's sprite, or its position without one.
    sf::Vector2f aimPoint(const orv::Entity& entity) const;
    // The centre of mass of the entity's body, where blows are measured from and to.
    sf::Vector2f centreOf(const orv::Entity& entity) const;
    // The way away from the enemies close by, the closest weighing most.
    sf::Vector2f awayFromCrowd(const EntityTest& enemy) const;
    // Whether a blow now would go towards the entity.
    bool faces(const orv::Entity& target) const;
    void watchPlayer();

    RootHarness& harness;
    DeviceState& device;
    long long frameCount = 0;
    std::string phase = "start";
    Sighting lastSeen;
    const orv::Entity* watched = nullptr;
    smartsignals::ScopedConnections watching;
    // The detour's state: the closest the player got, frames since, frames of sidestep left.
    float closest = 0.f;
    int sinceCloser = 0;
    int sidestep = 0;
    float side = 1.f;
};

} // namespace apptest

#pragma once

#include "engine/signals/Signal.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

namespace orv {
class Entity;
}

namespace tarsk {

// The camera entity through which the world is drawn and the mouse is mapped. The entity lives
// in a world; this only points at it.
class ActiveCamera {
public:
    explicit ActiveCamera(sf::RenderWindow& window) : window(&window) {}
    ActiveCamera(const ActiveCamera&) = delete;
    ActiveCamera& operator=(const ActiveCamera&) = delete;

    void set(orv::Entity* entity);
    // Marks the camera entity for removal from its world and forgets it.
    void clear();
    bool has() const { return camera != nullptr; }
    orv::Entity* getCamera() const { return camera; }

    // A window pixel in the pixels of the given camera entity's view.
    sf::Vector2f mapPixelToCoords(sf::Vector2i pixel, const orv::Entity& cameraEntity) const;

    // After every set and clear.
    smartsignals::Signal<void()>& getChangedSignal() { return changed; }

private:
    sf::RenderWindow* window;
    orv::Entity* camera = nullptr;
    smartsignals::Signal<void()> changed;
};

} // namespace tarsk

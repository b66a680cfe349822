#pragma once

#include "engine/common/Export.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"

#include <SFML/System/Vector2.hpp>

#include <memory>

namespace orv {
class World;
}

namespace tarsk {

class InputEngine;

// Holds an entity until the next click in the window: the left button puts it where the mouse
// points (snapped to the tile while left Shift is down) and adds it to the world, the right
// button throws it away. Either way the state closes itself.
class EntityPlacementGamestate : public orv::GameState {
public:
    // The camera entity's CameraComponent view maps the mouse into the world.
    EntityPlacementGamestate(orv::World& world, std::unique_ptr<orv::Entity>&& entity, InputEngine& input,
                             const orv::Entity* camera);

    // Snapping puts x on the tile's centre and y on the tile's top edge, where things stand.
    static sf::Vector2f snapToTile(sf::Vector2f position);

    // Null once placed or discarded.
    const orv::Entity* getEntity() const { return entity.get(); }

protected:
    // Everything happens in the button handlers.
    ORV_API void onInit() override;
    ORV_API void onUpdate() override;
    ORV_API void onUpdate_late() override;
    ORV_API void onDestroy() override;

private:
    void place(sf::Vector2i pixel);
    void discard();

    orv::World& world;
    InputEngine& input;
    const orv::Entity* camera;
    std::unique_ptr<orv::Entity> entity;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk

#include "app/editor/EntityPlacementGamestate.hpp"

#include "app/input/InputEngine.hpp"
#include "engine/ecs/World.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "engine/transform/UnitConversions.hpp"
#include "game/camera/CameraComponent.hpp"

#include <cmath>

namespace tarsk {

EntityPlacementGamestate::EntityPlacementGamestate(orv::World& world, std::unique_ptr<orv::Entity>&& entity,
                                                   InputEngine& input, const orv::Entity* camera)
    : world(world), input(input), camera(camera), entity(std::move(entity)) {
    input.buttonPressedInWindow(sf::Mouse::Left).connectTracked(connections, [this](sf::Vector2i pixel) {
        place(pixel);
    });
    input.buttonPressedInWindow(sf::Mouse::Right).connectTracked(connections, [this](sf::Vector2i) {
        discard();
    });
}

void EntityPlacementGamestate::onInit() {}

void EntityPlacementGamestate::onUpdate() {}

void EntityPlacementGamestate::onUpdate_late() {}

void EntityPlacementGamestate::onDestroy() {}

sf::Vector2f EntityPlacementGamestate::snapToTile(sf::Vector2f position) {
    return {std::floor(position.x) + 0.5f, std::floor(position.y)};
}

void EntityPlacementGamestate::place(sf::Vector2i pixel) {
    // A press after closing (several placements share one click) finds nothing left to place.
    if (!entity || isClosed())
        return;
    const sf::View& view = camera->getComponent<CameraComponent>()->getView();
    sf::Vector2f position = input.getWindow().mapPixelToCoords(pixel, view) * orv::UnitsPerPixel;
    if (input.isKeyDown(sf::Keyboard::LShift))
        position = snapToTile(position);
    entity->getComponent<orv::TransformationComponent>()->setPosition({position.x, position.y, 0.f});
    entity->init();
    world.addEntity(std::move(entity));
    close();
}

void EntityPlacementGamestate::discard() {
    if (isClosed())
        return;
    entity.reset();
    close();
}

} // namespace tarsk

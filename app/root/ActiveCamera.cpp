#include "app/root/ActiveCamera.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "game/camera/CameraComponent.hpp"

namespace tarsk {

void ActiveCamera::set(orv::Entity* entity) {
    camera = entity;
    changed.emit();
}

void ActiveCamera::clear() {
    if (camera && camera->getWorld())
        camera->getWorld()->markForRemoval(camera);
    camera = nullptr;
    changed.emit();
}

sf::Vector2f ActiveCamera::mapPixelToCoords(sf::Vector2i pixel, const orv::Entity& cameraEntity) const {
    return window->mapPixelToCoords(pixel, cameraEntity.getComponent<CameraComponent>()->getView());
}

} // namespace tarsk

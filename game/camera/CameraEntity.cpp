#include "game/camera/CameraEntity.hpp"

#include "engine/transform/TransformationComponent.hpp"
#include "game/camera/CameraComponent.hpp"

namespace tarsk {

std::unique_ptr<orv::Entity> createCameraEntity() {
    auto entity = std::make_unique<orv::Entity>();
    entity->addComponent<CameraComponent>()->setViewSize({80.f, 45.f});
    entity->addComponent<orv::TransformationComponent>();
    entity->init();
    return entity;
}

} // namespace tarsk

#include "app/root/WorldRenderPass.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/physics/PhysicsSystem.hpp"
#include "game/camera/CameraComponent.hpp"
#include "game/render/RenderSystem.hpp"

#include <SFML/Graphics/Sprite.hpp>

#include <memory>
#include <stdexcept>
#include <vector>

namespace tarsk {

void WorldRenderPass::draw(sf::RenderTarget& target, const orv::Entity& camera, bool showPhysics) {
    orv::World* world = camera.getWorld();
    if (!world)
        throw std::logic_error("The active camera is in no world");
    RenderSystem& renderSystem = *world->getSystem<RenderSystem>();
    CameraComponent& view = *camera.getComponent<CameraComponent>();

    renderSystem.sortRenderables();
    view.renderRenderables(target, renderSystem.getRenderables());

    // A minimised window has no pixels to light, and a light map cannot be made that small.
    const sf::Vector2u size = target.getSize();
    if (size.x > 0 && size.y > 0) {
        view.renderLightMap(renderSystem.getLights(), renderSystem.getAmbientColor(), size);
        sf::Sprite lightMap(view.getLightMapTexture());
        const sf::FloatRect bounds = lightMap.getGlobalBounds();
        lightMap.setScale(static_cast<float>(size.x) / bounds.width,
                          static_cast<float>(size.y) / bounds.height);
        const sf::View previous = target.getView();
        target.setView(target.getDefaultView());
        target.draw(lightMap, sf::BlendMultiply);
        target.setView(previous);
    }

    if (showPhysics) {
        const std::vector<std::unique_ptr<sf::Drawable>> shapes =
            world->getSystem<orv::PhysicsSystem>()->debugDraw();
        std::vector<sf::Drawable*> drawables;
        drawables.reserve(shapes.size());
        for (const auto& shape : shapes)
            drawables.push_back(shape.get());
        view.renderDrawables(target, drawables);
    }
}

} // namespace tarsk

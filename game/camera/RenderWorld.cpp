#include "game/camera/RenderWorld.hpp"

#include "game/camera/CameraComponent.hpp"
#include "game/render/RenderSystem.hpp"

#include <SFML/Graphics/Sprite.hpp>

namespace tarsk {

void renderWorld(sf::RenderTarget& target, RenderSystem& renderSystem, CameraComponent& camera) {
    renderSystem.sortRenderables();
    camera.renderRenderables(target, renderSystem.getRenderables());
    const sf::Vector2u size = target.getSize();
    camera.renderLightMap(renderSystem.getLights(), renderSystem.getAmbientColor(), size);

    sf::Sprite lightMap(camera.getLightMapTexture());
    const sf::FloatRect bounds = lightMap.getGlobalBounds();
    lightMap.setScale(float(size.x) / bounds.width, float(size.y) / bounds.height);
    const sf::View previous = target.getView();
    target.setView(target.getDefaultView());
    target.draw(lightMap, sf::BlendMultiply);
    target.setView(previous);
}

} // namespace tarsk

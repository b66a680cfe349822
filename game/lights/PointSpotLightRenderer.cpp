#include "game/lights/PointSpotLightRenderer.hpp"

#include "engine/transform/UnitConversions.hpp"
#include "game/lights/LightShader.hpp"
#include "game/lights/PointSpotLight.hpp"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Glsl.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>

namespace tarsk {

PointSpotLightRenderer::PointSpotLightRenderer(const PointSpotLight& light)
    : light(&light), shader(LightShader::shared()) {}

PointSpotLightRenderer::~PointSpotLightRenderer() = default;

unsigned PointSpotLightRenderer::textureSide(float radius) {
    return std::max(1u, static_cast<unsigned>(2.f * radius * orv::PixelsPerUnit));
}

// The light's look is fixed, so the disc is shaded once per texture rather than every frame.
bool PointSpotLightRenderer::prepareDisc() const {
    sf::Shader* program = shader->get();
    if (!program)
        return false;
    const unsigned side = textureSide(light->getRadius());
    if (!texture || texture->getSize() != sf::Vector2u(side, side)) {
        auto made = std::make_unique<sf::RenderTexture>();
        if (!made->create(side, side))
            return false;
        texture = std::move(made);
        discReady = false;
    }
    if (discReady)
        return true;

    const float radius = light->getRadius() * orv::PixelsPerUnit;
    const float half = float(side) / 2.f;
    const sf::Color color = light->getColor();
    sf::CircleShape disc(radius, 30);
    disc.setOrigin(radius, radius);
    disc.setPosition(half, half);
    disc.setFillColor(sf::Color(color.r, color.g, color.b, 0));

    program->setUniform("windowHeight", float(side));
    program->setUniform("color", sf::Glsl::Vec4(color));
    program->setUniform("center", sf::Glsl::Vec2(half, half));
    program->setUniform("radius", radius);
    program->setUniform("expand", light->getFocus());

    texture->clear(sf::Color::Transparent);
    texture->draw(disc, sf::RenderStates(program));
    texture->display();
    discReady = true;
    return true;
}

void PointSpotLightRenderer::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (!prepareDisc())
        return;
    sf::Sprite sprite(texture->getTexture());
    const float half = float(texture->getSize().x) / 2.f;
    sprite.setOrigin(half, half);
    sprite.setPosition(light->getPosition() * orv::PixelsPerUnit);
    target.draw(sprite, states);
}

} // namespace tarsk

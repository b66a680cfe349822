#include "game/lights/LightMap.hpp"

#include "game/lights/Light.hpp"

#include <stdexcept>
#include <string>

namespace tarsk {

LightMap::LightMap() = default;

LightMap::~LightMap() = default;

void LightMap::begin(sf::Vector2u size, sf::Color ambient, const sf::View& view) {
    if (!texture || texture->getSize() != size) {
        auto made = std::make_unique<sf::RenderTexture>();
        if (!made->create(size.x, size.y))
            throw std::runtime_error("Cannot create a light map of " + std::to_string(size.x) + "x" +
                                     std::to_string(size.y) + " pixels");
        texture = std::move(made);
    }
    texture->clear(ambient);
    texture->setView(view);
}

void LightMap::draw(const Light& light) {
    if (!texture)
        throw std::logic_error("LightMap::draw called before LightMap::begin");
    texture->draw(light.getRenderer(), sf::RenderStates(sf::BlendAdd));
}

void LightMap::end() {
    if (!texture)
        throw std::logic_error("LightMap::end called before LightMap::begin");
    texture->setView(texture->getDefaultView());
    texture->display();
}

const sf::Texture& LightMap::getTexture() const {
    if (!texture)
        throw std::logic_error("The light map has not been rendered yet");
    return texture->getTexture();
}

} // namespace tarsk

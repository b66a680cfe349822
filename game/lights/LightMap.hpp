#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/View.hpp>

#include <memory>

namespace tarsk {

class Light;

// The picture multiplied over the drawn scene: the ambient colour, brightened wherever a light
// adds its disc. Built once per frame: begin, draw every light, end. The texture is made on the
// first begin, since it needs a GL context, and re-made whenever the window changes size.
class LightMap {
public:
    LightMap();
    LightMap(const LightMap&) = delete;
    LightMap& operator=(const LightMap&) = delete;
    ~LightMap();

    // Clears the map to the ambient colour and sets the view the lights are placed with.
    void begin(sf::Vector2u size, sf::Color ambient, const sf::View& view);
    // Adds one light's disc.
    void draw(const Light& light);
    // Restores the default view and finishes the texture.
    void end();

    bool hasTexture() const { return texture != nullptr; }
    // Throws std::logic_error before the first begin.
    const sf::Texture& getTexture() const;

private:
    std::unique_ptr<sf::RenderTexture> texture;
};

} // namespace tarsk

#pragma once

#include "engine/render/Renderer.hpp"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Vector2.hpp>

#include <memory>

namespace orv {
class Tilemap;
}

namespace tarsk {

// Draws a tile map through a texture of the map's pixel size, placed at the world's origin. The
// texture is made at the first draw, when a GL context exists; a map that no texture of this
// machine can hold is drawn straight onto the target instead, which looks the same. The texture
// keeps the map's picture: a draw repaints only the cells that changed since the previous one.
class TerrainComponentRenderer : public orv::Renderer {
public:
    explicit TerrainComponentRenderer(const orv::Tilemap& tilemap);

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    // The texture the map was last drawn into; null before the first draw and when drawn straight.
    const sf::RenderTexture* getTexture() const { return texture.get(); }

private:
    bool prepareTexture(sf::Vector2u size) const;
    void redraw(const sf::IntRect& cells) const;

    const orv::Tilemap* tilemap;
    mutable std::unique_ptr<sf::RenderTexture> texture;
    mutable sf::Sprite sprite;
    // A size that could not get a texture is not tried again every frame.
    mutable sf::Vector2u failedSize;
};

} // namespace tarsk

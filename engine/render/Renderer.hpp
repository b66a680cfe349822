#pragma once

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/RenderStates.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

namespace orv {

// How a drawn thing puts itself on a target. Things hold a renderer instead of drawing
// themselves, so the render pass can treat them all alike.
class Renderer : public sf::Drawable {
public:
    ~Renderer() override;
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override = 0;
};

} // namespace orv

#pragma once

#include "engine/render/Renderer.hpp"

#include <vector>

namespace orv {

// Draws drawables it does not own, in list order, each with the same render states.
class ForwardRenderer : public Renderer {
public:
    explicit ForwardRenderer(sf::Drawable* drawable);
    explicit ForwardRenderer(std::vector<sf::Drawable*>&& drawables);
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    const std::vector<sf::Drawable*>& getDrawables() const { return drawables; }

private:
    std::vector<sf::Drawable*> drawables;
};

} // namespace orv

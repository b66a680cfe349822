#pragma once

#include "game/resources/SfTextureResourceCache.hpp"

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <memory>

namespace tarsk {

// A sprite whose texture is bound on its first draw. Its geometry only needs the texture rectangle,
// so it can be sized and placed before a GL context exists; the texture upload waits for drawing.
class TextureSprite : public sf::Drawable {
public:
    using Source = ResourceCache::SfTextureResourceCache;

    void setSource(std::shared_ptr<Source> texture) { source = std::move(texture); }
    const std::shared_ptr<Source>& getSource() const { return source; }

    sf::Sprite& getSprite() { return sprite; }
    const sf::Sprite& getSprite() const { return sprite; }

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    mutable sf::Sprite sprite;
    std::shared_ptr<Source> source;
};

} // namespace tarsk

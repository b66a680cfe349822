#pragma once

#include "engine/resources/ResourceCache.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <string>

namespace tarsk::ResourceCache {

// The resource decoded as an image and uploaded as an unsmoothed texture. Decoding happens at
// conversion; the upload waits for the first get(), since a texture needs a GL context.
class SfTextureResourceCache : public orv::ResourceCache<sf::Texture> {
public:
    void convert(const std::string& raw) override;
    sf::Texture& get() override;
    const sf::Image& getImage() const { return image; }
    sf::Vector2u getSize() const { return image.getSize(); }

private:
    sf::Image image;
    std::unique_ptr<sf::Texture> texture;
};

} // namespace tarsk::ResourceCache

#include "game/resources/SfTextureResourceCache.hpp"

#include "engine/resources/ResourceAccessException.hpp"

namespace tarsk::ResourceCache {

void SfTextureResourceCache::convert(const std::string& raw) {
    if (raw.empty() || !image.loadFromMemory(raw.data(), raw.size()))
        throw orv::ResourceAccessException("cannot convert buffer to sf::Texture");
}

sf::Texture& SfTextureResourceCache::get() {
    if (!texture) {
        auto uploaded = std::make_unique<sf::Texture>();
        if (!uploaded->loadFromImage(image))
            throw orv::ResourceAccessException("cannot convert buffer to sf::Texture");
        uploaded->setSmooth(false);
        texture = std::move(uploaded);
    }
    return *texture;
}

} // namespace tarsk::ResourceCache

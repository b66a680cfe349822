#include "engine/tiles/QuadBatch.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

namespace orv {

QuadBatch::QuadBatch(std::size_t keyCount) : slots(keyCount, none) {}

void QuadBatch::set(std::size_t key, sf::Vector2f topLeft, float edge, const sf::IntRect& textureRect) {
    std::uint32_t& slot = slots[key];
    if (slot == none) {
        slot = static_cast<std::uint32_t>(owners.size());
        owners.push_back(static_cast<std::uint32_t>(key));
        vertices.resize(vertices.size() + 4);
    }
    const float left = static_cast<float>(textureRect.left);
    const float top = static_cast<float>(textureRect.top);
    const float right = static_cast<float>(textureRect.left + textureRect.width);
    const float bottom = static_cast<float>(textureRect.top + textureRect.height);
    sf::Vertex* v = &vertices[std::size_t{slot} * 4];
    v[0] = sf::Vertex(topLeft, sf::Vector2f(left, top));
    v[1] = sf::Vertex(topLeft + sf::Vector2f(edge, 0.f), sf::Vector2f(right, top));
    v[2] = sf::Vertex(topLeft + sf::Vector2f(edge, edge), sf::Vector2f(right, bottom));
    v[3] = sf::Vertex(topLeft + sf::Vector2f(0.f, edge), sf::Vector2f(left, bottom));
    touch(slot);
}

void QuadBatch::erase(std::size_t key) {
    const std::uint32_t slot = slots[key];
    if (slot == none)
        return;
    slots[key] = none;
    const std::size_t last = owners.size() - 1;
    if (slot != last) {
        std::copy_n(vertices.begin() + static_cast<std::ptrdiff_t>(last * 4), 4,
                    vertices.begin() + static_cast<std::ptrdiff_t>(std::size_t{slot} * 4));
        owners[slot] = owners[last];
        slots[owners[slot]] = slot;
        touch(slot);
    }
    owners.pop_back();
    vertices.resize(last * 4);
}

const sf::Vertex* QuadBatch::find(std::size_t key) const {
    const std::uint32_t slot = slots[key];
    return slot == none ? nullptr : &vertices[std::size_t{slot} * 4];
}

void QuadBatch::touch(std::size_t slot) {
    if (dirtyBegin == dirtyEnd) {
        dirtyBegin = slot * 4;
        dirtyEnd = dirtyBegin + 4;
        return;
    }
    dirtyBegin = std::min(dirtyBegin, slot * 4);
    dirtyEnd = std::max(dirtyEnd, slot * 4 + 4);
}

bool QuadBatch::upload() const {
    if (!buffer || buffer->getVertexCount() < vertices.size()) {
        // Room to grow, so that a batch filling up square by square is not remade every draw.
        auto grown = std::make_unique<sf::VertexBuffer>(sf::Quads, sf::VertexBuffer::Dynamic);
        const std::size_t capacity =
            buffer ? std::max(vertices.size(), buffer->getVertexCount() * 2) : vertices.size();
        if (!grown->create(capacity) || !grown->update(vertices.data(), vertices.size(), 0))
            return false;
        buffer = std::move(grown);
    } else {
        // Squares past the end were removed; they are no longer drawn and need no upload.
        const std::size_t end = std::min(dirtyEnd, vertices.size());
        if (dirtyBegin < end && !buffer->update(vertices.data() + dirtyBegin, end - dirtyBegin,
                                                static_cast<unsigned int>(dirtyBegin)))
            return false;
    }
    dirtyBegin = dirtyEnd = 0;
    return true;
}

void QuadBatch::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (vertices.empty())
        return;
    if (sf::VertexBuffer::isAvailable() && upload())
        target.draw(*buffer, 0, vertices.size(), states);
    else
        target.draw(vertices.data(), vertices.size(), sf::Quads, states);
}

} // namespace orv

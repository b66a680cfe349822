#include "engine/tiles/QuadLayer.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

namespace orv {

QuadLayer::QuadLayer(std::size_t quadCount) : vertices(quadCount * 4), used(quadCount, false) {}

void QuadLayer::setQuad(std::size_t quad, sf::Vector2f topLeft, float edge, const sf::IntRect& textureRect) {
    const float left = static_cast<float>(textureRect.left);
    const float top = static_cast<float>(textureRect.top);
    const float right = static_cast<float>(textureRect.left + textureRect.width);
    const float bottom = static_cast<float>(textureRect.top + textureRect.height);
    sf::Vertex* v = &vertices[quad * 4];
    v[0] = sf::Vertex(topLeft, sf::Vector2f(left, top));
    v[1] = sf::Vertex(topLeft + sf::Vector2f(edge, 0.f), sf::Vector2f(right, top));
    v[2] = sf::Vertex(topLeft + sf::Vector2f(edge, edge), sf::Vector2f(right, bottom));
    v[3] = sf::Vertex(topLeft + sf::Vector2f(0.f, edge), sf::Vector2f(left, bottom));
    if (!used[quad]) {
        used[quad] = true;
        ++usedQuads;
    }
    touch(quad);
}

void QuadLayer::clearQuad(std::size_t quad) {
    if (!used[quad])
        return;
    std::fill_n(vertices.begin() + static_cast<std::ptrdiff_t>(quad * 4), 4, sf::Vertex());
    used[quad] = false;
    --usedQuads;
    touch(quad);
}

void QuadLayer::touch(std::size_t quad) {
    if (dirtyBegin == dirtyEnd) {
        dirtyBegin = quad * 4;
        dirtyEnd = dirtyBegin + 4;
        return;
    }
    dirtyBegin = std::min(dirtyBegin, quad * 4);
    dirtyEnd = std::max(dirtyEnd, quad * 4 + 4);
}

bool QuadLayer::upload() const {
    if (!buffer) {
        auto created = std::make_unique<sf::VertexBuffer>(sf::Quads, sf::VertexBuffer::Dynamic);
        if (!created->create(vertices.size()) || !created->update(vertices.data()))
            return false;
        buffer = std::move(created);
    } else if (dirtyBegin != dirtyEnd && !buffer->update(vertices.data() + dirtyBegin, dirtyEnd - dirtyBegin,
                                                         static_cast<unsigned int>(dirtyBegin))) {
        return false;
    }
    dirtyBegin = dirtyEnd = 0;
    return true;
}

void QuadLayer::draw(sf::RenderTarget& target, sf::RenderStates states) const {
    if (usedQuads == 0)
        return;
    if (sf::VertexBuffer::isAvailable() && upload())
        target.draw(*buffer, states);
    else
        target.draw(vertices.data(), vertices.size(), sf::Quads, states);
}

} // namespace orv

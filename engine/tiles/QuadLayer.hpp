#pragma once

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <SFML/Graphics/VertexBuffer.hpp>

#include <cstddef>
#include <memory>
#include <vector>

namespace orv {

// A fixed number of textured squares kept in memory and mirrored into a vertex buffer when
// drawn. The buffer is made at the first draw (it needs a GL context) and afterwards only the
// range written since the previous draw is uploaded. Unused quads are degenerate and a layer
// without any used quad draws nothing.
class QuadLayer : public sf::Drawable {
public:
    explicit QuadLayer(std::size_t quadCount = 0);

    void setQuad(std::size_t quad, sf::Vector2f topLeft, float edge, const sf::IntRect& textureRect);
    void clearQuad(std::size_t quad);

    std::size_t getQuadCount() const { return used.size(); }
    std::size_t getUsedQuadCount() const { return usedQuads; }
    bool isUsed(std::size_t quad) const { return used[quad]; }
    // Four vertices per quad: top left, top right, bottom right, bottom left.
    const std::vector<sf::Vertex>& getVertices() const { return vertices; }

private:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    // False when no buffer can be made; the layer then draws from memory.
    bool upload() const;
    void touch(std::size_t quad);

    std::vector<sf::Vertex> vertices;
    std::vector<bool> used;
    std::size_t usedQuads = 0;
    // Held by pointer: sf::VertexBuffer cannot move and copying it needs a GL context.
    mutable std::unique_ptr<sf::VertexBuffer> buffer;
    mutable std::size_t dirtyBegin = 0;
    mutable std::size_t dirtyEnd = 0;
};

} // namespace orv

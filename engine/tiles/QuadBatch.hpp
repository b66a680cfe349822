#pragma once

#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Vertex.hpp>
#include <SFML/Graphics/VertexBuffer.hpp>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace orv {

// Textured squares, at most one per key, packed densely so that a draw covers only squares in
// use. Removing one moves the last into its place, so the order between keys is arbitrary:
// callers only rely on it for squares that do not overlap.
//
// The squares are kept in memory and mirrored into a vertex buffer when drawn. The buffer is
// made at the first draw (it needs a GL context); afterwards only the range written since the
// previous draw is uploaded, and the buffer is remade only when it has to grow.
class QuadBatch : public sf::Drawable {
public:
    explicit QuadBatch(std::size_t keyCount = 0);

    void set(std::size_t key, sf::Vector2f topLeft, float edge, const sf::IntRect& textureRect);
    void erase(std::size_t key);

    // The four vertices of the key's square (top left, top right, bottom right, bottom left),
    // or null when it has none.
    const sf::Vertex* find(std::size_t key) const;
    std::size_t size() const { return owners.size(); }
    const std::vector<sf::Vertex>& getVertices() const { return vertices; }

private:
    static constexpr std::uint32_t none = UINT32_MAX;

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    // False when no buffer can be made; the batch then draws from memory.
    bool upload() const;
    void touch(std::size_t slot);

    std::vector<sf::Vertex> vertices;
    // owners[i] is the key of square i; slots[key] the square of a key.
    std::vector<std::uint32_t> owners;
    std::vector<std::uint32_t> slots;
    // Held by pointer: sf::VertexBuffer cannot move and copying it needs a GL context.
    mutable std::unique_ptr<sf::VertexBuffer> buffer;
    mutable std::size_t dirtyBegin = 0;
    mutable std::size_t dirtyEnd = 0;
};

} // namespace orv

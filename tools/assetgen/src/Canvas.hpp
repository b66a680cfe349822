#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

namespace assetgen {

// A drawing surface over a rectangle of an image. Coordinates are local to the rectangle. A
// wrapping canvas folds every coordinate back into the rectangle, which makes ground tiles
// seamless; a clipping canvas ignores what falls outside.
class Canvas {
public:
    Canvas(sf::Image& image, int left, int top, int width, int height, bool wrapping);
    // The whole image, clipping.
    explicit Canvas(sf::Image& image);

    int width() const { return w; }
    int height() const { return h; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }

    sf::Color get(int x, int y) const;
    void set(int x, int y, sf::Color c);
    // Composes c over what is there.
    void blend(int x, int y, sf::Color c);

    void fill(sf::Color c);
    void fillRect(int x, int y, int width, int height, sf::Color c);
    // Pixels whose centres lie inside the ellipse.
    void fillEllipse(float cx, float cy, float rx, float ry, sf::Color c);
    void line(int x0, int y0, int x1, int y1, sf::Color c);
    // Paints every see-through pixel (empty or a shadow) that touches a solid one (4-neighbourhood)
    // with c.
    void outline(sf::Color c);

private:
    bool map(int& x, int& y) const;

    sf::Image* image;
    int left;
    int top;
    int w;
    int h;
    bool wrapping;
};

} // namespace assetgen

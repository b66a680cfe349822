#pragma once

#include "tools/assetgen/src/Canvas.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>

#include <initializer_list>

namespace assetgen {

// A rounded blob given as the union of circles.
struct Circle {
    float x;
    float y;
    float r;
};

// Shared steps of the object sprites: transparent images, soft ground shadows and shading of
// rounded masses lit from the top left.
class SpriteKit {
public:
    static sf::Image blank(unsigned width, unsigned height);

    // A flat, half-transparent ellipse where the object meets the ground.
    static void groundShadow(Canvas& c, float cx, float cy, float rx, float ry);

    // Fills the union of circles with four tones by how much each pixel faces the light at the
    // top left, broken up by seeded dither. Pixels already opaque are left alone when `under`.
    static void shadedBlob(Canvas& c, std::initializer_list<Circle> circles, sf::Color dark, sf::Color mid,
                           sf::Color light, sf::Color highlight, unsigned seed, bool under = false);

    // Whether (x, y) lies in the union of circles (pixel centre test).
    static bool inBlob(std::initializer_list<Circle> circles, int x, int y);
};

} // namespace assetgen

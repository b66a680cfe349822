#include "tools/assetgen/src/SpriteKit.hpp"

#include "tools/assetgen/src/ColorOps.hpp"
#include "tools/assetgen/src/Rng.hpp"

#include <cmath>

namespace assetgen {

sf::Image SpriteKit::blank(unsigned width, unsigned height) {
    sf::Image image;
    image.create(width, height, sf::Color::Transparent);
    return image;
}

void SpriteKit::groundShadow(Canvas& c, float cx, float cy, float rx, float ry) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const float dx = (x + 0.5f - cx) / rx;
            const float dy = (y + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.f) {
                c.blend(x, y, withAlpha(sf::Color::Black, 70));
            }
        }
    }
}

bool SpriteKit::inBlob(std::initializer_list<Circle> circles, int x, int y) {
    for (const auto& k : circles) {
        const float dx = x + 0.5f - k.x;
        const float dy = y + 0.5f - k.y;
        if (dx * dx + dy * dy <= k.r * k.r) {
            return true;
        }
    }
    return false;
}

void SpriteKit::shadedBlob(Canvas& c, std::initializer_list<Circle> circles, sf::Color dark, sf::Color mid,
                           sf::Color light, sf::Color highlight, unsigned seed, bool under) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if (!inBlob(circles, x, y) || (under && c.get(x, y).a > 0)) {
                continue;
            }
            // Light from each circle: how far the pixel sits towards that circle's top left.
            float best = -2.f;
            for (const auto& k : circles) {
                const float dx = (x + 0.5f - k.x) / k.r;
                const float dy = (y + 0.5f - k.y) / k.r;
                if (dx * dx + dy * dy <= 1.f) {
                    best = std::max(best, -(dx * 0.6f + dy * 0.8f));
                }
            }
            const float v = best + (hashUnit(x, y, seed) - 0.5f) * 0.45f;
            c.set(x, y, v > 0.55f ? highlight : v > 0.1f ? light : v > -0.45f ? mid : dark);
        }
    }
}

} // namespace assetgen

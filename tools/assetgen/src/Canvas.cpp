#include "tools/assetgen/src/Canvas.hpp"

#include "tools/assetgen/src/ColorOps.hpp"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace assetgen {

namespace {

// Below this alpha a pixel is a shadow or glow, not part of the shape an outline goes round.
constexpr std::uint8_t kSolid = 200;

} // namespace

Canvas::Canvas(sf::Image& image, int left, int top, int width, int height, bool wrapping)
    : image(&image), left(left), top(top), w(width), h(height), wrapping(wrapping) {}

Canvas::Canvas(sf::Image& image)
    : Canvas(image, 0, 0, static_cast<int>(image.getSize().x), static_cast<int>(image.getSize().y), false) {}

bool Canvas::map(int& x, int& y) const {
    if (wrapping) {
        x = ((x % w) + w) % w;
        y = ((y % h) + h) % h;
        return true;
    }
    return contains(x, y);
}

sf::Color Canvas::get(int x, int y) const {
    if (!map(x, y)) {
        return sf::Color::Transparent;
    }
    return image->getPixel(static_cast<unsigned>(left + x), static_cast<unsigned>(top + y));
}

void Canvas::set(int x, int y, sf::Color c) {
    if (map(x, y)) {
        image->setPixel(static_cast<unsigned>(left + x), static_cast<unsigned>(top + y), c);
    }
}

void Canvas::blend(int x, int y, sf::Color c) {
    if (map(x, y)) {
        const auto px = static_cast<unsigned>(left + x);
        const auto py = static_cast<unsigned>(top + y);
        image->setPixel(px, py, over(c, image->getPixel(px, py)));
    }
}

void Canvas::fill(sf::Color c) {
    fillRect(0, 0, w, h, c);
}

void Canvas::fillRect(int x, int y, int width, int height, sf::Color c) {
    for (int j = y; j < y + height; ++j) {
        for (int i = x; i < x + width; ++i) {
            set(i, j, c);
        }
    }
}

void Canvas::fillEllipse(float cx, float cy, float rx, float ry, sf::Color c) {
    const int x0 = static_cast<int>(std::floor(cx - rx));
    const int x1 = static_cast<int>(std::ceil(cx + rx));
    const int y0 = static_cast<int>(std::floor(cy - ry));
    const int y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float dx = (x + 0.5f - cx) / rx;
            const float dy = (y + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.f) {
                set(x, y, c);
            }
        }
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, sf::Color c) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (true) {
        set(x0, y0, c);
        if (x0 == x1 && y0 == y1) {
            break;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::outline(sf::Color c) {
    std::vector<bool> edge(static_cast<std::size_t>(w * h), false);
    auto opaque = [this](int x, int y) {
        return contains(x, y) && get(x, y).a >= kSolid;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (get(x, y).a < kSolid &&
                (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1))) {
                edge[static_cast<std::size_t>(y * w + x)] = true;
            }
        }
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (edge[static_cast<std::size_t>(y * w + x)]) {
                set(x, y, c);
            }
        }
    }
}

} // namespace assetgen

#include "tools/assetgen/src/PropSprites.hpp"

#include "tools/assetgen/src/ColorOps.hpp"
#include "tools/assetgen/src/Rng.hpp"
#include "tools/assetgen/src/SpriteKit.hpp"

#include <cmath>

namespace assetgen {

namespace {

// A log lying left to right with its cut end facing the viewer on the right.
void log(Canvas& c, int x0, int x1, int y0) {
    for (int x = x0; x < x1; ++x) {
        c.set(x, y0, rgb(0x8f5f33));
        c.set(x, y0 + 1, rgb(0x6e4525));
        c.set(x, y0 + 2, rgb(0x6e4525));
        c.set(x, y0 + 3, rgb(0x4a2d16));
        if ((x * 7 + y0) % 5 == 0) {
            c.set(x, y0 + 1, rgb(0x4a2d16));
        }
    }
    // End grain: pale rings round a dark pith.
    c.fillEllipse(static_cast<float>(x1) + 0.5f, y0 + 2.f, 2.f, 2.f, rgb(0xd9b47b));
    c.set(x1, y0 + 1, rgb(0xb58a55));
    c.set(x1 + 1, y0 + 2, rgb(0xb58a55));
    c.set(x1, y0 + 2, rgb(0x8a6238));
}

void flame(Canvas& c, float cx, float bottom, float height, float width) {
    const sf::Color layers[] = {rgb(0xd8441b), rgb(0xf2862a), rgb(0xffcf45), rgb(0xfff3c2)};
    for (int layer = 0; layer < 4; ++layer) {
        const float scale = 1.f - layer * 0.22f;
        const float h = height * scale;
        const float w = width * scale;
        for (int y = static_cast<int>(bottom - h); y < static_cast<int>(bottom); ++y) {
            // A teardrop: widest a third of the way up, pointed at the top.
            const float t = (bottom - (y + 0.5f)) / h;
            const float half = w * 0.5f * (t < 0.35f ? std::sqrt(t / 0.35f) : (1.f - t) / 0.65f);
            for (int x = static_cast<int>(std::floor(cx - half));
                 x <= static_cast<int>(std::floor(cx + half)); ++x) {
                if (std::abs(x + 0.5f - cx) <= half) {
                    c.set(x, y, layers[layer]);
                }
            }
        }
    }
}

} // namespace

sf::Image PropSprites::coconut() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    SpriteKit::groundShadow(c, 8.f, 13.8f, 5.f, 1.5f);
    SpriteKit::shadedBlob(c, {{8.f, 8.5f, 5.f}}, rgb(0x3f2611), rgb(0x5c3a1c), rgb(0x7b5029), rgb(0xa3733f),
                          401);
    // Husk fibres: short dark streaks.
    Rng rng(402);
    for (int i = 0; i < 7; ++i) {
        const int x = rng.range(4, 11);
        const int y = rng.range(5, 12);
        if (c.get(x, y).a > 0 && c.get(x + 1, y + 1).a > 0) {
            c.set(x, y, rgb(0x4a2d15));
            c.set(x + 1, y + 1, rgb(0x4a2d15));
        }
    }
    // The three eyes, close together at the top.
    c.set(9, 5, rgb(0x1e1008));
    c.set(11, 6, rgb(0x1e1008));
    c.set(10, 7, rgb(0x1e1008));
    c.outline(rgb(0x1e1008));
    return image;
}

sf::Image PropSprites::wood() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    SpriteKit::groundShadow(c, 8.f, 13.5f, 7.f, 1.5f);
    log(c, 1, 11, 9);
    log(c, 3, 13, 5);
    c.outline(rgb(0x2a180a));
    return image;
}

sf::Image PropSprites::torch() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    for (int y = 8; y < 15; ++y) {
        c.set(7, y, rgb(0x9b6a3a));
        c.set(8, y, rgb(0x6e4525));
    }
    // Oil-soaked rag wound round the head.
    c.fillRect(6, 6, 4, 2, rgb(0x4b3b2c));
    c.set(6, 6, rgb(0x6a5440));
    flame(c, 8.f, 7.f, 7.f, 5.f);
    c.outline(rgb(0x2a180a));
    return image;
}

sf::Image PropSprites::fireplace() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    SpriteKit::groundShadow(c, 8.f, 12.5f, 7.5f, 3.f);
    // A ring of stones: the far ones first, then the logs and the fire, then the near ones.
    auto stone = [&](float x, float y) {
        c.fillEllipse(x, y, 2.2f, 1.7f, rgb(0x3e4146));
        c.fillEllipse(x, y - 0.2f, 1.6f, 1.2f, rgb(0x858a91));
        c.set(static_cast<int>(x) - 1, static_cast<int>(y) - 1, rgb(0xb3b8be));
    };
    stone(3.5f, 9.5f);
    stone(8.f, 8.8f);
    stone(12.5f, 9.5f);
    c.line(3, 13, 12, 9, rgb(0x8f5f33));
    c.line(3, 14, 12, 10, rgb(0x5e3a1d));
    c.line(4, 9, 13, 13, rgb(0x7a4d29));
    c.line(4, 10, 13, 14, rgb(0x4f3018));
    flame(c, 8.f, 12.f, 10.f, 7.f);
    c.set(6, 11, rgb(0xffcf45));
    c.set(10, 12, rgb(0xf2862a));
    stone(2.f, 12.5f);
    stone(5.5f, 14.f);
    stone(10.f, 14.f);
    stone(13.8f, 12.5f);
    c.outline(rgb(0x2b1a10));
    return image;
}

sf::Image PropSprites::wall() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    const sf::Color mortar = rgb(0x4f4a43);
    const sf::Color faces[] = {rgb(0x8c8577), rgb(0x968f81), rgb(0x827b6e)};
    for (int row = 0; row < 4; ++row) {
        const int offset = (row % 2) * 4;
        for (int y = row * 4; y < row * 4 + 4; ++y) {
            for (int x = 0; x < 16; ++x) {
                const int brick = (x + offset) / 8;
                const int bx = (x + offset) % 8;
                const int by = y - row * 4;
                sf::Color colour = faces[(brick + row * 2) % 3];
                if (by == 3 || bx == 7) {
                    colour = mortar;
                } else if (by == 0) {
                    colour = mix(colour, rgb(0xc4bdae), 0.5f);
                } else if (by == 2 || bx == 6) {
                    colour = mix(colour, rgb(0x5e584e), 0.45f);
                } else if (hashUnit(x, y, 501) < 0.12f) {
                    colour = mix(colour, rgb(0x5e584e), 0.3f);
                }
                c.set(x, y, colour);
            }
        }
    }
    return image;
}

sf::Image PropSprites::finalChest() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    SpriteKit::groundShadow(c, 8.f, 14.5f, 7.5f, 1.5f);
    const sf::Color wood = rgb(0x8a5228);
    const sf::Color woodLight = rgb(0xa8693a);
    const sf::Color woodDark = rgb(0x5e3518);
    const sf::Color gold = rgb(0xe3b43c);
    const sf::Color goldDark = rgb(0xa87a1c);
    // Body.
    c.fillRect(2, 8, 12, 6, wood);
    for (int x = 2; x < 14; ++x) {
        c.set(x, 11, woodDark);
        c.set(x, 13, woodDark);
    }
    // Arched lid, lit along its crown.
    c.fillRect(2, 4, 12, 4, woodLight);
    c.fillRect(3, 3, 10, 1, woodLight);
    for (int x = 3; x < 13; ++x) {
        c.set(x, 3, mix(woodLight, rgb(0xffffff), 0.2f));
        c.set(x, 6, wood);
    }
    for (int x = 2; x < 14; ++x) {
        c.set(x, 7, goldDark);
        c.set(x, 8, gold);
    }
    // Gold bands over lid and body.
    for (int y = 3; y < 14; ++y) {
        c.set(4, y, y == 3 ? goldDark : gold);
        c.set(11, y, y == 3 ? goldDark : gold);
    }
    // The lock plate with its keyhole.
    c.fillRect(7, 7, 2, 3, gold);
    c.set(7, 10, goldDark);
    c.set(8, 10, goldDark);
    c.set(7, 8, rgb(0x201208));
    c.set(8, 8, rgb(0x201208));
    c.outline(rgb(0x24140a));
    return image;
}

sf::Image PropSprites::ship() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    // Hull: planked, curving up to a raised bow on the right.
    for (int x = 1; x < 15; ++x) {
        const int bottom = (x < 4) ? 12 : (x > 11 ? 12 : 13);
        const int top = x > 12 ? 8 : 10;
        for (int y = top; y <= bottom; ++y) {
            sf::Color colour = (y == top) ? rgb(0xb0783f) : (y % 2 ? rgb(0x7a4a24) : rgb(0x6a3f1e));
            if (y == bottom) {
                colour = rgb(0x4e2e14);
            }
            c.set(x, y, colour);
        }
    }
    c.set(14, 7, rgb(0xb0783f));
    // Mast and sail.
    for (int y = 1; y < 10; ++y) {
        c.set(7, y, rgb(0x5a3a1e));
    }
    for (int y = 2; y < 9; ++y) {
        const int half = 1 + (y - 2) * 4 / 6;
        for (int x = 8; x <= 8 + half + 1; ++x) {
            c.set(x, y, x == 8 + half + 1 ? rgb(0xcfc6b0) : rgb(0xf3eddc));
        }
        for (int x = 6 - half; x < 7; ++x) {
            c.set(x, y, x == 6 - half ? rgb(0xcfc6b0) : rgb(0xe6dfcb));
        }
    }
    c.set(8, 0, rgb(0xc8302c));
    c.set(9, 0, rgb(0xc8302c));
    c.set(8, 1, rgb(0xa32420));
    // A bit of spray where the hull sits in the water.
    c.set(2, 14, rgb(0xd8f0fa));
    c.set(13, 14, rgb(0xd8f0fa));
    c.set(14, 13, rgb(0xd8f0fa));
    c.outline(rgb(0x2a180a));
    return image;
}

sf::Image PropSprites::purplePortal() {
    auto image = SpriteKit::blank(32, 32);
    Canvas c(image);
    SpriteKit::groundShadow(c, 16.f, 29.5f, 13.f, 2.5f);
    // The swirl: rings from a dark rim to a bright core, with spiral streaks through them.
    const float cx = 16.f, cy = 16.5f;
    c.fillEllipse(cx, cy, 10.f, 12.5f, rgb(0x3a0f5c));
    c.fillEllipse(cx, cy, 8.5f, 11.f, rgb(0x6a1fa0));
    c.fillEllipse(cx, cy, 6.5f, 8.5f, rgb(0x9a3fe0));
    c.fillEllipse(cx, cy, 4.f, 5.5f, rgb(0xc27bff));
    c.fillEllipse(cx, cy, 1.8f, 2.6f, rgb(0xf0d6ff));
    for (int i = 0; i < 60; ++i) {
        const float t = static_cast<float>(i) / 60.f;
        const float angle = t * 9.42f;
        const float x = cx + std::cos(angle) * (1.5f + t * 7.f);
        const float y = cy + std::sin(angle) * (2.f + t * 9.f);
        c.set(static_cast<int>(x), static_cast<int>(y), rgb(i % 2 ? 0xe2b5ff : 0x8a32d0));
    }
    // The arch: blocks of grey stone round the top and down both sides.
    for (int k = 0; k <= 12; ++k) {
        const float angle = 3.14159f + static_cast<float>(k) * 3.14159f / 12.f;
        const float x = cx + std::cos(angle) * 12.5f;
        const float y = 14.f + std::sin(angle) * 12.f;
        c.fillEllipse(x, y, 2.2f, 2.f, rgb(0x4d5057));
        c.fillEllipse(x - 0.3f, y - 0.4f, 1.5f, 1.3f, rgb(0x8d929a));
    }
    for (int y = 14; y < 30; y += 3) {
        for (const float x : {3.5f, 28.5f}) {
            c.fillEllipse(x, static_cast<float>(y), 2.2f, 1.8f, rgb(0x4d5057));
            c.fillEllipse(x - 0.3f, y - 0.4f, 1.5f, 1.1f, rgb(0x8d929a));
        }
    }
    c.outline(rgb(0x1c1026));
    return image;
}

} // namespace assetgen

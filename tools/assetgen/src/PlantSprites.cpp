#include "tools/assetgen/src/PlantSprites.hpp"

#include "tools/assetgen/src/ColorOps.hpp"
#include "tools/assetgen/src/PixelTemplate.hpp"
#include "tools/assetgen/src/SpriteKit.hpp"

#include <cmath>

namespace assetgen {

namespace {

const sf::Color kLeafOutline = rgb(0x1b3516);
const sf::Color kBark = rgb(0x6e4525);
const sf::Color kBarkLight = rgb(0x8f5f33);
const sf::Color kBarkDark = rgb(0x4a2d16);

// Fronds arching out of the crown and hanging down at their tips, over a ringed trunk.
const std::vector<std::string> kPalm = {
    "................", //
    "....hGG..GGh....", //
    "..hGgggGGgggGh..", //
    ".hGg..gGGg..gGh.", //
    "hGg.hGGccGGh.gGh", //
    "Gg.hGgg.cC.ggGhG", //
    "g..Gg..tT....gGg", //
    "g.Gg...Tt.....gg", //
    "..g.....tT......", //
    "........Tt......", //
    "........tT......", //
    ".......Tt.......", //
    ".......tT.......", //
    ".......Tt.......", //
    "......tTTt......", //
    "................", //
};

} // namespace

sf::Image PlantSprites::tree() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    SpriteKit::groundShadow(c, 8.f, 14.8f, 5.f, 1.4f);
    // Trunk with a root flare, lit on the left.
    for (int y = 9; y < 15; ++y) {
        c.set(7, y, kBarkLight);
        c.set(8, y, kBark);
        c.set(9, y, kBarkDark);
    }
    c.set(6, 14, kBarkLight);
    c.set(10, 14, kBarkDark);
    c.set(8, 12, kBarkDark);
    SpriteKit::shadedBlob(c,
                          {{8.f, 6.5f, 5.2f},
                           {4.6f, 7.6f, 3.4f},
                           {11.4f, 7.8f, 3.4f},
                           {8.f, 3.6f, 3.6f},
                           {5.4f, 4.6f, 3.f},
                           {10.8f, 4.8f, 3.f}},
                          rgb(0x2a5520), rgb(0x3a7a2c), rgb(0x52993a), rgb(0x78c04f), 301);
    // The crown's underside is in its own shadow, where the trunk goes in.
    for (int x = 4; x < 13; ++x) {
        if (c.get(x, 10).a > 0 && c.get(x, 11).a == 0) {
            c.set(x, 10, rgb(0x2a5520));
        }
    }
    c.outline(kLeafOutline);
    return image;
}

sf::Image PlantSprites::palm() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    SpriteKit::groundShadow(c, 9.f, 14.8f, 3.5f, 1.2f);
    PixelTemplate(kPalm, {{'G', rgb(0x55a846)},
                          {'h', rgb(0x86cd62)},
                          {'g', rgb(0x245f24)},
                          {'c', rgb(0x5a3a1e)},
                          {'C', rgb(0x7a5230)},
                          {'T', rgb(0xb08554)},
                          {'t', rgb(0x7a5533)}})
        .paint(c, 0, 0);
    // No outline: the dark leaf edges already separate the fronds, which an outline would fill in.
    return image;
}

sf::Image PlantSprites::bush() {
    auto image = SpriteKit::blank(16, 16);
    Canvas c(image);
    SpriteKit::groundShadow(c, 8.f, 14.5f, 6.5f, 1.5f);
    SpriteKit::shadedBlob(c, {{8.f, 9.5f, 5.2f}, {4.2f, 11.f, 3.4f}, {11.8f, 11.f, 3.4f}, {8.f, 7.f, 3.8f}},
                          rgb(0x285a22), rgb(0x38772e), rgb(0x4f9639), rgb(0x72b84d), 311);
    // Flatten the bottom onto the ground.
    for (int x = 0; x < 16; ++x) {
        c.set(x, 15, sf::Color::Transparent);
        if (c.get(x, 14).a > 0) {
            c.set(x, 14, rgb(0x285a22));
        }
    }
    const int berries[][2] = {{5, 9}, {9, 7}, {11, 11}, {7, 12}, {3, 12}, {12, 8}, {8, 10}};
    for (const auto& b : berries) {
        c.set(b[0], b[1], rgb(0xc4243a));
        c.set(b[0] + 1, b[1], rgb(0x8e1628));
        c.set(b[0], b[1] - 1, rgb(0xff8a8a));
    }
    c.outline(kLeafOutline);
    return image;
}

} // namespace assetgen

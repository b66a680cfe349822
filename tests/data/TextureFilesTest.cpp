#include "tests/data/DataFolder.hpp"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using datatest::dataFolder;

sf::Image load(const std::string& relative) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile((dataFolder() / relative).string())) << relative;
    return image;
}

std::set<std::uint32_t> coloursIn(const sf::Image& image, unsigned left, unsigned width) {
    std::set<std::uint32_t> colours;
    for (unsigned y = 0; y < image.getSize().y; ++y) {
        for (unsigned x = left; x < left + width; ++x) {
            if (image.getPixel(x, y).a == 255) {
                colours.insert(image.getPixel(x, y).toInteger());
            }
        }
    }
    return colours;
}

// Objects drawn at the default base size of 16x16 show their texture pixel for pixel only at
// that size; the tree's sprite is also lifted by half its texture height, which puts its foot
// on the entity only for a 16-pixel texture.
TEST(TextureFiles, ObjectsAreSixteenSquareOnTransparentGround) {
    for (const char* path :
         {"object_tree.png", "object_palm.png", "object_coconut.png", "object_wood.png", "object_bush.png",
          "object_torch.png", "tex/fireplace.png", "tex/ship.png", "finalChest.png"}) {
        const auto image = load(path);
        ASSERT_EQ(image.getSize(), sf::Vector2u(16, 16)) << path;
        EXPECT_EQ(image.getPixel(0, 0).a, 0) << path;
        EXPECT_EQ(image.getPixel(15, 0).a, 0) << path;
        // Shaded pixel art, not a flat shape.
        EXPECT_GE(coloursIn(image, 0, 16).size(), 6u) << path;
    }
    const auto wall = load("wall_test.png");
    ASSERT_EQ(wall.getSize(), sf::Vector2u(16, 16));
    EXPECT_EQ(coloursIn(wall, 0, 16).size() > 4, true);
}

TEST(TextureFiles, FrogSheetStartsWithASixteenSquareFrame) {
    const auto frog = load("tex/enemy_frog.png");
    ASSERT_EQ(frog.getSize().y, 16u);
    ASSERT_GE(frog.getSize().x, 16u);
    EXPECT_EQ(frog.getSize().x % 16, 0u);
    const auto colours = coloursIn(frog, 0, 16);
    EXPECT_GE(colours.size(), 6u);
    // Mostly green.
    int green = 0;
    int solid = 0;
    for (unsigned y = 0; y < 16; ++y) {
        for (unsigned x = 0; x < 16; ++x) {
            const auto c = frog.getPixel(x, y);
            if (c.a == 255) {
                ++solid;
                green += c.g > c.r && c.g > c.b;
            }
        }
    }
    EXPECT_GT(green * 2, solid);
}

TEST(TextureFiles, OldManFitsHisDisplayedSizeClosely) {
    // Shown at 17.4 x 31.2 pixels: a texture within a pixel of that is drawn nearly unscaled.
    const auto man = load("old_man.png");
    EXPECT_NEAR(man.getSize().x, 17.4, 1.0);
    EXPECT_NEAR(man.getSize().y, 31.2, 1.0);
    EXPECT_GE(coloursIn(man, 0, man.getSize().x).size(), 8u);
}

// The player's sheet holds eight 16x32 frames in the order south, north, east, west, south-west,
// south-east, north-east, north-west. Where the face shows says which way a frame looks.
TEST(TextureFiles, NinjaFramesFaceTheirDirections) {
    const auto sheet = load("ninja.png");
    ASSERT_EQ(sheet.getSize(), sf::Vector2u(128, 32));
    auto isSkin = [](sf::Color c) {
        return c.a == 255 && c.r > 180 && c.g > 120 && c.b < c.g && c.r > c.b + 60;
    };
    // Mean x of the face's skin pixels relative to the frame's middle, and their count.
    auto face = [&](int frame) {
        int count = 0;
        float sum = 0.f;
        for (unsigned y = 3; y < 13; ++y) {
            for (unsigned x = 0; x < 16; ++x) {
                if (isSkin(sheet.getPixel(static_cast<unsigned>(frame) * 16 + x, y))) {
                    ++count;
                    sum += static_cast<float>(x) - 7.5f;
                }
            }
        }
        return std::pair<int, float>(count, count ? sum / count : 0.f);
    };
    const auto south = face(0);
    EXPECT_GE(south.first, 6);
    EXPECT_NEAR(south.second, 0.f, 0.5f);
    EXPECT_EQ(face(1).first, 0) << "north shows the back of the head";
    EXPECT_GT(face(2).second, 1.f) << "east";
    EXPECT_LT(face(3).second, -1.f) << "west";
    EXPECT_LT(face(4).second, 0.f) << "south-west";
    EXPECT_GT(face(5).second, 0.f) << "south-east";
    EXPECT_GT(face(6).second, 2.f) << "north-east shows only a sliver of face";
    EXPECT_LT(face(7).second, -2.f) << "north-west";
    EXPECT_LT(face(6).first, face(5).first);
    // Feet on the same line in every frame, so turning does not make the sprite hop.
    auto lowestRow = [&](int frame) {
        for (unsigned y = 32; y-- > 0;) {
            for (unsigned x = 0; x < 16; ++x) {
                if (sheet.getPixel(static_cast<unsigned>(frame) * 16 + x, y).a == 255) {
                    return static_cast<int>(y);
                }
            }
        }
        return -1;
    };
    for (int frame = 0; frame < 8; ++frame) {
        EXPECT_EQ(lowestRow(frame), lowestRow(0)) << frame;
        EXPECT_GE(lowestRow(frame), 29) << frame;
    }
}

} // namespace

#include "tools/assetgen/src/Canvas.hpp"
#include "tools/assetgen/src/ColorOps.hpp"
#include "tools/assetgen/src/ContactSheet.hpp"
#include "tools/assetgen/src/PixelTemplate.hpp"
#include "tools/assetgen/src/Rng.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using namespace assetgen;

TEST(Canvas, WrappingFoldsCoordinatesIntoItsRectangleAndClippingDropsThem) {
    sf::Image image;
    image.create(40, 40, sf::Color::Transparent);
    Canvas tile(image, 16, 8, 16, 16, true);
    tile.set(-1, -1, sf::Color::Red);
    tile.set(16, 3, sf::Color::Green);
    EXPECT_EQ(image.getPixel(16 + 15, 8 + 15), sf::Color::Red);
    EXPECT_EQ(image.getPixel(16 + 0, 8 + 3), sf::Color::Green);
    EXPECT_EQ(tile.get(-16, -13), sf::Color::Green);

    Canvas clipped(image, 0, 0, 8, 8, false);
    clipped.set(8, 0, sf::Color::Blue);
    clipped.set(-1, 0, sf::Color::Blue);
    EXPECT_EQ(image.getPixel(8, 0).a, 0);
    EXPECT_EQ(clipped.get(9, 9), sf::Color::Transparent);
}

TEST(Canvas, OutlineGoesRoundSolidShapesAndOverShadowsOnly) {
    sf::Image image;
    image.create(5, 5, sf::Color::Transparent);
    Canvas c(image);
    c.set(2, 2, sf::Color::Red);
    c.set(0, 0, withAlpha(sf::Color::Black, 70)); // a shadow alone gets no outline
    c.set(2, 1, withAlpha(sf::Color::Black, 70)); // a shadow next to the shape is outlined over
    c.outline(sf::Color::Blue);
    EXPECT_EQ(image.getPixel(2, 2), sf::Color::Red);
    EXPECT_EQ(image.getPixel(2, 1), sf::Color::Blue);
    EXPECT_EQ(image.getPixel(1, 2), sf::Color::Blue);
    EXPECT_EQ(image.getPixel(3, 2), sf::Color::Blue);
    EXPECT_EQ(image.getPixel(2, 3), sf::Color::Blue);
    EXPECT_EQ(image.getPixel(1, 1).a, 0); // diagonal stays open
    EXPECT_EQ(image.getPixel(0, 0).a, 70);
}

TEST(ColorOps, OverComposesByAlpha) {
    EXPECT_EQ(over(sf::Color::Red, sf::Color::Blue), sf::Color::Red);
    EXPECT_EQ(over(sf::Color::Transparent, sf::Color::Blue), sf::Color::Blue);
    const sf::Color half = over(withAlpha(sf::Color::White, 128), sf::Color::Black);
    EXPECT_NEAR(half.r, 128, 1);
    EXPECT_EQ(half.a, 255);
    EXPECT_EQ(over(sf::Color::Transparent, sf::Color::Transparent).a, 0);
}

TEST(PixelTemplate, PaintsItsLegendMirroredOrNotAndRejectsBadArt) {
    const PixelTemplate art({"ab.", "..b"}, {{'a', sf::Color::Red}, {'b', sf::Color::Green}});
    sf::Image image;
    image.create(3, 2, sf::Color::Transparent);
    Canvas c(image);
    art.paint(c, 0, 0, true);
    EXPECT_EQ(image.getPixel(2, 0), sf::Color::Red);
    EXPECT_EQ(image.getPixel(1, 0), sf::Color::Green);
    EXPECT_EQ(image.getPixel(0, 1), sf::Color::Green);
    EXPECT_EQ(image.getPixel(0, 0).a, 0);
    EXPECT_THROW(PixelTemplate({"ab", "a"}, {{'a', sf::Color::Red}, {'b', sf::Color::Red}}),
                 std::invalid_argument);
    EXPECT_THROW(PixelTemplate({"az"}, {{'a', sf::Color::Red}}), std::invalid_argument);
}

TEST(Rng, IsReproducibleAndStaysInRange) {
    Rng a(7);
    Rng b(7);
    for (int i = 0; i < 1000; ++i) {
        const int v = a.range(-3, 3);
        EXPECT_EQ(v, b.range(-3, 3));
        EXPECT_GE(v, -3);
        EXPECT_LE(v, 3);
    }
    // Noise that tiles: one period apart gives the same value.
    EXPECT_FLOAT_EQ(periodicValueNoise(1.3f, 2.7f, 4, 9), periodicValueNoise(5.3f, 6.7f, 4, 9));
}

TEST(ContactSheet, ScalesEveryImageOntoTheSheet) {
    sf::Image a;
    a.create(2, 1, sf::Color::Red);
    sf::Image b;
    b.create(1, 1, withAlpha(sf::Color::Blue, 0));
    const auto sheet = ContactSheet::compose({a, b}, 4, 1000);
    EXPECT_EQ(sheet.getSize().y, 8u + 4u + 8u);
    EXPECT_EQ(sheet.getPixel(8, 8), sf::Color::Red);
    EXPECT_EQ(sheet.getPixel(8 + 7, 8 + 3), sf::Color::Red);
    // The transparent image shows the checkerboard through it.
    EXPECT_NE(sheet.getPixel(8 + 8 + 8, 8), sf::Color::Blue);
}

} // namespace

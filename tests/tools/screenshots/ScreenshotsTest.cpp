// Runs the README's picture taker the way its build target does, into a scratch folder, and
// looks at what it wrote: three pictures of the game, the night darker than the day but lit.
#include "support/TempFolder.hpp"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

const std::string TakeScript = ORV_SOURCE_DIR "/tools/screenshots/take.sh";
const std::string GameFile = ORV_SOURCE_DIR "/app/content/test_entities_save.json";
// The HUD's bars lie below: only the world above counts, or the red health bar would glow.
constexpr unsigned WorldRows = 620;

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// Brightness figures of a picture, from 0 (black) to 255 (white).
struct Brightness {
    double mean = 0.0;
    double spread = 0.0;
    // Pixels of a bright, warm light: fire and torch glow.
    int glowing = 0;
};

Brightness measure(const sf::Image& image) {
    Brightness result;
    double sum = 0.0, squares = 0.0;
    const sf::Vector2u size = image.getSize();
    const unsigned rows = std::min(size.y, WorldRows);
    for (unsigned y = 0; y < rows; ++y) {
        for (unsigned x = 0; x < size.x; ++x) {
            const sf::Color c = image.getPixel(x, y);
            const double luma = 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
            sum += luma;
            squares += luma * luma;
            result.glowing += c.r > 180 && c.r > c.b + 60;
        }
    }
    const double count = static_cast<double>(size.x) * rows;
    result.mean = sum / count;
    result.spread = std::sqrt(std::max(0.0, squares / count - result.mean * result.mean));
    return result;
}

TEST(Screenshots, TheToolTakesTheIslandByDayAndNightAndTheDungeon) {
    const testsupport::TempFolder out;
    const std::string command = quoted(TakeScript) + " " + quoted(SCREENSHOTS_TOOL) + " " +
                                quoted(ORV_RUN_DIR "/data") + " " + quoted(GameFile) + " " +
                                quoted(out.path().string());
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    Brightness measured[3];
    const char* names[3] = {"island-day.png", "island-night.png", "dungeon.png"};
    for (int i = 0; i < 3; ++i) {
        sf::Image image;
        ASSERT_TRUE(image.loadFromFile((out / names[i]).string())) << names[i];
        EXPECT_EQ(image.getSize(), sf::Vector2u(1280, 720)) << names[i];
        measured[i] = measure(image);
        std::cout << names[i] << ": mean " << measured[i].mean << ", spread " << measured[i].spread
                  << ", glowing " << measured[i].glowing << '\n';
        EXPECT_GT(measured[i].spread, 20.0) << names[i] << " is blank";
    }
    const Brightness& day = measured[0];
    const Brightness& night = measured[1];
    EXPECT_LT(night.mean, day.mean * 0.6);
    EXPECT_GT(night.mean, 10.0) << "the night is black";
    EXPECT_GT(night.glowing, 1000) << "no torch or fire glows at night";
}

} // namespace

#include "app/screens/ActivePlayerFightBarGameState.hpp"
#include "app/screens/ActivePlayerGameStateUI.hpp"
#include "app/screens/support/InputRig.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

namespace {

const sf::Color world(10, 80, 20);

bool near(sf::Color a, sf::Color b) {
    return std::abs(a.r - b.r) < 40 && std::abs(a.g - b.g) < 40 && std::abs(a.b - b.b) < 40;
}

TEST(HudRenderTest, HealthExperienceAndFightBarDrawOverTheWorld) {
    screentest::FakeScreenServices services;
    screentest::InputRig rig(services);
    sf::RenderWindow& window = screentest::sharedWindow();
    // Given before the target, so the GUI does not look for its font in the working folder.
    services.gui.setFont(std::string(ORV_RUN_DIR) + "/data/fonts/DejaVuSans.ttf");
    services.gui.setTarget(window);

    tarsk::ActivePlayerFightBarGameState bar(services);
    bar.init();
    tarsk::ActivePlayerGameStateUI hud(services);
    hud.init();
    services.health->changeHealth(-50.f);
    services.kill(10);
    services.frameTime = sf::seconds(3);
    bar.update();

    window.clear(world);
    services.gui.draw();
    sf::Texture capture;
    ASSERT_TRUE(capture.create(window.getSize().x, window.getSize().y));
    capture.update(window);
    const sf::Image shot = capture.copyToImage();
    window.display();
    shot.saveToFile(std::string(ORV_RUN_DIR) + "/screens_hud.png");

    // Half of the health bar (20..170 across, 680..700 down) is red, the rest is not.
    EXPECT_TRUE(near(shot.getPixel(40, 690), sf::Color::Red));
    EXPECT_FALSE(near(shot.getPixel(160, 690), sf::Color::Red));
    // Experience 10 of 20 fills the lower half of the thin bar beside it.
    EXPECT_TRUE(near(shot.getPixel(185, 697), sf::Color::Green));
    EXPECT_FALSE(near(shot.getPixel(185, 683), sf::Color::Green));
    // The slot buttons cover the bottom centre; the middle of the window shows the world.
    EXPECT_FALSE(near(shot.getPixel(510, 675), world));
    EXPECT_FALSE(near(shot.getPixel(770, 675), world));
    EXPECT_TRUE(near(shot.getPixel(640, 360), world));
    EXPECT_TRUE(near(shot.getPixel(670, 675), world)) << "the gap after the third slot";
    // The screen buttons at the bottom right.
    EXPECT_FALSE(near(shot.getPixel(1235, 675), world));

    hud.close();
    bar.close();
    window.clear(world);
    services.gui.draw();
    capture.update(window);
    EXPECT_TRUE(near(capture.copyToImage().getPixel(40, 690), world)) << "the HUD leaves with its state";
}

} // namespace

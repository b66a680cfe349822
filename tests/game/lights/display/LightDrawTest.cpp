#include "game/lights/LightMap.hpp"
#include "game/lights/LightShader.hpp"
#include "game/lights/PointSpotLight.hpp"
#include "game/lights/PointSpotLightRenderer.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <gtest/gtest.h>

#include <memory>

using tarsk::LightShader;
using tarsk::PointSpotLight;
using tarsk::PointSpotLightRenderer;

namespace {

// The disc a light shades into its own texture, read back after one draw.
sf::Image discOf(const PointSpotLight& light) {
    sf::RenderTexture target;
    EXPECT_TRUE(target.create(8, 8));
    target.draw(light.getRenderer());
    const auto* renderer = dynamic_cast<const PointSpotLightRenderer*>(&light.getRenderer());
    EXPECT_NE(renderer, nullptr);
    EXPECT_NE(renderer->getTexture(), nullptr);
    return renderer->getTexture()->getTexture().copyToImage();
}

TEST(LightShader, CompilesOnThisDriver) {
    LightShader shader;
    EXPECT_EQ(shader.getState(), LightShader::State::Untried);
    EXPECT_NE(shader.get(), nullptr);
    EXPECT_EQ(shader.getState(), LightShader::State::Ready);
    EXPECT_EQ(shader.get(), shader.get());
}

TEST(LightShader, FailureIsReportedOnceAndNotRetried) {
    LightShader broken(LightShader::VertexSource, "void main(){gl_FragColor = 1 / vec4(2.0);}");
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(broken.get(), nullptr);
    EXPECT_EQ(broken.get(), nullptr);
    const std::string output = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(broken.getState(), LightShader::State::Failed);
    EXPECT_EQ(output, "The light shader could not be compiled; lights are not drawn.\n");
}

TEST(LightShader, OneProgramServesEveryLight) {
    const auto first = LightShader::shared();
    EXPECT_EQ(LightShader::shared(), first);
}

TEST(PointSpotLightDraw, RadiusTwoGivesA64PixelDiscOfTheLightsColour) {
    const sf::Color colour(255, 160, 40, 255);
    const PointSpotLight light(2.f, 0.5f, colour);
    const sf::Image disc = discOf(light);
    ASSERT_EQ(disc.getSize(), sf::Vector2u(64, 64));
    EXPECT_EQ(disc.getPixel(32, 32), colour);
    EXPECT_EQ(disc.getPixel(0, 0).a, 0);
    EXPECT_EQ(disc.getPixel(63, 63).a, 0);
    EXPECT_EQ(disc.getPixel(63, 0).a, 0);
    // Just inside the rim, on an axis: nearly faded out.
    EXPECT_LT(disc.getPixel(32, 0).a, 16);
}

TEST(PointSpotLightDraw, FocusZeroFadesLinearlyFromTheCentre) {
    const PointSpotLight light(2.f, 0.f, sf::Color(255, 255, 255, 255));
    const sf::Image disc = discOf(light);
    // Along the x axis, 32 pixels of radius: alpha ≈ 255 × (1 - distance / 32).
    int previous = 256;
    for (unsigned x = 32; x < 64; x += 4) {
        const int alpha = disc.getPixel(x, 32).a;
        EXPECT_LT(alpha, previous) << x;
        const float distance = float(x) + 0.5f - 32.f;
        EXPECT_NEAR(alpha, 255.f * (1.f - distance / 32.f), 6.f) << x;
        previous = alpha;
    }
}

TEST(PointSpotLightDraw, HighFocusIsAFlatDiscWithASoftRim) {
    const PointSpotLight light(2.f, 0.9f, sf::Color(0, 255, 0, 255));
    const sf::Image disc = discOf(light);
    for (unsigned x = 32; x < 32 + 28; ++x)
        EXPECT_EQ(disc.getPixel(x, 32).a, 255) << x;
    const int rim = disc.getPixel(32 + 30, 32).a;
    EXPECT_GT(rim, 0);
    EXPECT_LT(rim, 255);
}

TEST(LightMapDraw, LightsAddToTheAmbientColour) {
    sf::View view(sf::FloatRect(0.f, 0.f, 160.f, 90.f)); // 10 × 5.625 world units
    PointSpotLight warm(2.f, 0.5f, sf::Color(200, 100, 0, 255));
    warm.setPosition({3.f, 1.5f}); // pixel (48, 24)
    tarsk::LightMap map;
    map.begin({160, 90}, sf::Color(20, 20, 60, 255), view);
    map.draw(warm);
    map.end();
    const sf::Image image = map.getTexture().copyToImage();
    ASSERT_EQ(image.getSize(), sf::Vector2u(160, 90));
    EXPECT_EQ(image.getPixel(150, 10), sf::Color(20, 20, 60, 255));
    EXPECT_EQ(image.getPixel(48, 24), sf::Color(220, 120, 60, 255));
    // The map is not upside down: the mirror image of the light's place stays dark.
    EXPECT_EQ(image.getPixel(48, 90 - 1 - 24), sf::Color(20, 20, 60, 255));

    // A new size re-makes the map.
    map.begin({40, 30}, sf::Color::Black, view);
    map.end();
    EXPECT_EQ(map.getTexture().getSize(), sf::Vector2u(40, 30));
}

} // namespace

#include "engine/common/JsonError.hpp"
#include "game/lights/PointSpotLight.hpp"

#include "game/lights/LoadLight.hpp"
#include "game/lights/PointSpotLightRenderer.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using tarsk::PointSpotLight;

namespace {

nlohmann::json sample() {
    return nlohmann::json::parse(R"({"light_type": "PointSpotLight", "color.r": 255, "color.g": 180,
        "color.b": 40, "color.a": 200, "radius": 2.5, "focus": 0.25})");
}

TEST(PointSpotLight, JsonRoundTrip) {
    const PointSpotLight light(2.5f, 0.25f, sf::Color(255, 180, 40, 200));
    EXPECT_EQ(light.toJson(), sample());
    const auto read = PointSpotLight::fromJson(light.toJson());
    EXPECT_EQ(read->getColor(), light.getColor());
    EXPECT_FLOAT_EQ(read->getRadius(), 2.5f);
    EXPECT_FLOAT_EQ(read->getFocus(), 0.25f);
    EXPECT_EQ(read->getTypeName(), "PointSpotLight");
}

TEST(PointSpotLight, PositionIsNotSaved) {
    PointSpotLight light(1.f, 0.f, sf::Color::White);
    light.setPosition({3.f, 4.f});
    EXPECT_EQ(light.getPosition(), sf::Vector2f(3.f, 4.f));
    EXPECT_FALSE(light.toJson().contains("position"));
    EXPECT_EQ(PointSpotLight::fromJson(light.toJson())->getPosition(), sf::Vector2f(0.f, 0.f));
}

TEST(PointSpotLight, RadiusMustBePositiveFiniteAndFitATexture) {
    const float inf = std::numeric_limits<float>::infinity();
    for (float radius :
         {0.f, -1.f, inf, -inf, std::numeric_limits<float>::quiet_NaN(), PointSpotLight::MaxRadius * 1.01f})
        EXPECT_THROW(PointSpotLight(radius, 0.5f, sf::Color::White), std::invalid_argument) << radius;
    EXPECT_NO_THROW(PointSpotLight(PointSpotLight::MaxRadius, 0.5f, sf::Color::White));

    nlohmann::json huge = sample();
    huge["radius"] = 1e300;
    EXPECT_THROW(PointSpotLight::fromJson(huge), orv::JsonError);
}

TEST(PointSpotLight, FocusAndChannelsAreClamped) {
    EXPECT_FLOAT_EQ(PointSpotLight(1.f, -0.5f, sf::Color::White).getFocus(), 0.f);
    EXPECT_FLOAT_EQ(PointSpotLight(1.f, 1.5f, sf::Color::White).getFocus(), 1.f);
    EXPECT_FLOAT_EQ(PointSpotLight(1.f, std::numeric_limits<float>::quiet_NaN(), sf::Color::White).getFocus(),
                    0.f);

    nlohmann::json data = sample();
    data["color.r"] = 300;
    data["color.g"] = -20;
    data["color.b"] = 65791; // would wrap to 255 in 8 bits
    data["color.a"] = 127.9;
    data["focus"] = 3;
    const auto light = PointSpotLight::fromJson(data);
    EXPECT_EQ(light->getColor(), sf::Color(255, 0, 255, 127));
    EXPECT_FLOAT_EQ(light->getFocus(), 1.f);
}

TEST(PointSpotLight, EveryKeyIsRequired) {
    for (const char* key : {"color.r", "color.g", "color.b", "color.a", "radius", "focus"}) {
        nlohmann::json data = sample();
        data.erase(key);
        EXPECT_THROW(PointSpotLight::fromJson(data), nlohmann::json::out_of_range) << key;
        EXPECT_THROW(tarsk::loadLight(data), nlohmann::json::out_of_range) << key;
    }
    nlohmann::json wrongType = sample();
    wrongType["radius"] = "big";
    EXPECT_THROW(PointSpotLight::fromJson(wrongType), orv::JsonError);
}

TEST(LoadLight, MakesPointSpotLightsAndDeclinesOtherKinds) {
    const auto light = tarsk::loadLight(sample());
    ASSERT_NE(light, nullptr);
    const auto* spot = dynamic_cast<const PointSpotLight*>(light.get());
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->getColor(), sf::Color(255, 180, 40, 200));

    nlohmann::json other = sample();
    other["light_type"] = "AreaLight";
    EXPECT_EQ(tarsk::loadLight(other), nullptr);
    other["light_type"] = 7;
    EXPECT_EQ(tarsk::loadLight(other), nullptr);
}

TEST(LoadLight, RejectsWhatIsNotALightObject) {
    try {
        tarsk::loadLight("PointSpotLight");
        FAIL() << "expected a type error";
    } catch (const nlohmann::json::type_error& error) {
        EXPECT_EQ(error.id, 305);
        EXPECT_STREQ(
            error.what(),
            "[json.exception.type_error.305] cannot use operator[] with a string argument with string");
    }
    EXPECT_THROW(tarsk::loadLight(nlohmann::json::array()), nlohmann::json::type_error);

    nlohmann::json untyped = sample();
    untyped.erase("light_type");
    EXPECT_THROW(tarsk::loadLight(untyped), nlohmann::json::out_of_range);
}

TEST(PointSpotLightRenderer, TextureIsTwiceTheRadiusInPixels) {
    EXPECT_EQ(tarsk::PointSpotLightRenderer::textureSide(2.f), 64u);
    EXPECT_EQ(tarsk::PointSpotLightRenderer::textureSide(0.5f), 16u);
    EXPECT_EQ(tarsk::PointSpotLightRenderer::textureSide(1.0f / 64.f), 1u);
    EXPECT_EQ(tarsk::PointSpotLightRenderer::textureSide(PointSpotLight::MaxRadius), 4096u);

    // Nothing is made before the first draw, so lights can be built without a display.
    const PointSpotLight light(2.f, 0.f, sf::Color::White);
    const auto* renderer = dynamic_cast<const tarsk::PointSpotLightRenderer*>(&light.getRenderer());
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(renderer->getTexture(), nullptr);
}

} // namespace

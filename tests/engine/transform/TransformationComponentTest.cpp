#include "engine/transform/TransformationComponent.hpp"

#include "engine/common/JsonError.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using orv::TransformationComponent;

// Counts every emission of the component's three signals.
struct SignalCounter {
    explicit SignalCounter(TransformationComponent& t) {
        t.getPositionChangedSignal().connect([this](const sf::Vector3f& p) { positions.push_back(p); });
        t.getRotationChangedSignal().connect([this](float) { ++rotations; });
        t.getScaleChangedSignal().connect([this](sf::Vector2f s) { scales.push_back(s); });
    }
    std::vector<sf::Vector3f> positions;
    int rotations = 0;
    std::vector<sf::Vector2f> scales;
};

TEST(Transformation, EmptyObjectGivesDefaults) {
    auto t = TransformationComponent::fromJson(nlohmann::json::object());
    EXPECT_EQ(t->getPosition(), sf::Vector3f(0, 0, 0));
    EXPECT_EQ(t->getRotation(), 0.f);
    EXPECT_EQ(t->getScale(), sf::Vector2f(1, 1));
    EXPECT_EQ(t->getName(), "transform");
}

TEST(Transformation, ReadsEachKeyOnItsOwn) {
    auto t = TransformationComponent::fromJson({{"rotation", 90}});
    EXPECT_EQ(t->getRotation(), 90.f);
    EXPECT_EQ(t->getPosition(), sf::Vector3f(0, 0, 0));
    EXPECT_EQ(t->getScale(), sf::Vector2f(1, 1));

    t = TransformationComponent::fromJson({{"position", {12.5, 40, -2}}, {"scale", {2, 0.5}}});
    EXPECT_EQ(t->getPosition(), sf::Vector3f(12.5f, 40.f, -2.f));
    EXPECT_EQ(t->getPositionXY(), sf::Vector2f(12.5f, 40.f));
    EXPECT_EQ(t->getScale(), sf::Vector2f(2.f, 0.5f));
}

TEST(Transformation, WritesTheSavedForm) {
    auto t = TransformationComponent::fromJson({{"position", {12.5, 40, 0}}});
    const nlohmann::json expected =
        nlohmann::json::parse(R"({"position": [12.5, 40.0, 0.0], "rotation": 0.0, "scale": [1.0, 1.0]})");
    EXPECT_EQ(t->toJsonData(), expected);
    EXPECT_EQ(t->toJson(), expected);
    EXPECT_TRUE(t->toJsonData()["rotation"].is_number_float());
}

TEST(Transformation, WrittenComponentReadsBackTheSame) {
    TransformationComponent original;
    original.setPosition({-3.25f, 1e6f, 7.f});
    original.setRotation(33.3f);
    original.setScale({1.5f, -1.f});
    // Through text, as a save file takes it.
    auto copy = TransformationComponent::fromJson(nlohmann::json::parse(original.toJsonData().dump()));
    EXPECT_EQ(copy->getPosition(), original.getPosition());
    EXPECT_EQ(copy->getRotation(), original.getRotation());
    EXPECT_EQ(copy->getScale(), original.getScale());
}

TEST(Transformation, MalformedRecordsThrowJsonErrors) {
    // Short arrays are errors, not reads past the end.
    EXPECT_THROW(TransformationComponent::fromJson({{"position", {1, 2}}}), nlohmann::json::out_of_range);
    EXPECT_THROW(TransformationComponent::fromJson({{"scale", {1}}}), nlohmann::json::out_of_range);
    EXPECT_THROW(TransformationComponent::fromJson({{"position", 5}}), nlohmann::json::type_error);
    try {
        TransformationComponent::fromJson({{"rotation", "north"}});
        FAIL() << "no exception";
    } catch (const orv::JsonError& error) {
        EXPECT_STREQ(error.what(), "rotation: type must be number, but is string");
    }
}

TEST(Transformation, NonFiniteNumbersAreRefusedBothWays) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(TransformationComponent::fromJson({{"rotation", nan}}), std::runtime_error);
    EXPECT_THROW(TransformationComponent::fromJson({{"position", {0, 1e300, 0}}}), std::runtime_error);
    EXPECT_THROW(TransformationComponent::fromJson({{"scale", {1, -1e39}}}), std::runtime_error);
    EXPECT_NO_THROW(TransformationComponent::fromJson({{"scale", {1, 3.4e38}}}));

    TransformationComponent t;
    t.setRotation(std::numeric_limits<float>::infinity());
    EXPECT_THROW(t.toJsonData(), std::runtime_error);
    t.setRotation(0);
    t.setPositionXY({std::numeric_limits<float>::quiet_NaN(), 0});
    EXPECT_THROW(t.toJsonData(), std::runtime_error);
    t.setPositionXY({0, 0});
    t.setScale({0, -std::numeric_limits<float>::infinity()});
    EXPECT_THROW(t.toJsonData(), std::runtime_error);
    t.setScale({1, 1});
    EXPECT_NO_THROW(t.toJsonData());
}

TEST(Transformation, SettersEmitTheWholeNewValue) {
    TransformationComponent t;
    t.setPosition({1, 2, 3});
    SignalCounter counter(t);
    t.setPositionXY({5, 6});
    EXPECT_EQ(t.getPosition(), sf::Vector3f(5, 6, 3));
    t.setPosition({7, 8, 9});
    t.setScale({2, 3});
    EXPECT_EQ(counter.positions, (std::vector<sf::Vector3f>{{5, 6, 3}, {7, 8, 9}}));
    EXPECT_EQ(counter.scales, (std::vector<sf::Vector2f>{{2, 3}}));
    EXPECT_EQ(t.getScale(), sf::Vector2f(2, 3));
    EXPECT_EQ(counter.rotations, 0);
}

TEST(Transformation, RotationIsSilent) {
    TransformationComponent t;
    SignalCounter counter(t);
    t.setRotation(45.f);
    EXPECT_EQ(t.getRotation(), 45.f);
    EXPECT_EQ(counter.rotations, 0);
    EXPECT_TRUE(counter.positions.empty());
    EXPECT_TRUE(counter.scales.empty());
}

} // namespace

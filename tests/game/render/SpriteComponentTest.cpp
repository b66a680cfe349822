#include "game/render/SpriteComponent.hpp"

#include "engine/common/JsonError.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "game/render/SpriteAnchor.hpp"

#include "game/render/SpriteTestSupport.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using spritetest::describe;
using spritetest::spriteEntity;
using tarsk::RenderComponent;
using tarsk::SpriteComponent;

namespace {

struct SpriteTest : ::testing::Test {
    static void SetUpTestSuite() {
        files = std::make_unique<spritetest::TextureFiles>();
        square = files->add("square32", 32, 32);
        tall = files->add("tall32x48", 32, 48);
        sheet = files->add("sheet64x32", 64, 32);
    }
    static void TearDownTestSuite() { files.reset(); }

    static void expectRect(const sf::FloatRect& actual, const sf::FloatRect& expected) {
        EXPECT_FLOAT_EQ(actual.left, expected.left);
        EXPECT_FLOAT_EQ(actual.top, expected.top);
        EXPECT_FLOAT_EQ(actual.width, expected.width);
        EXPECT_FLOAT_EQ(actual.height, expected.height);
    }

    inline static std::unique_ptr<spritetest::TextureFiles> files;
    inline static std::string square, tall, sheet;
    orv::ResourceManager resources;
};

TEST_F(SpriteTest, TextureIsSizedToBaseTimesScaleAndCentredOnTheEntity) {
    auto entity = spriteEntity(resources, describe(square), {3.f, -2.f, 0.f}, {2.f, 2.f});
    entity->init();
    const auto* sprite = entity->getComponent<SpriteComponent>();
    // Centre (48, -32) pixels, 32 × 32 pixels.
    expectRect(sprite->getGlobalBounds(), {32.f, -48.f, 32.f, 32.f});
}

TEST_F(SpriteTest, FirstPlacementIsCentredOnTheScaledPicture) {
    auto entity = spriteEntity(resources, describe(tall));
    entity->init();
    expectRect(entity->getComponent<SpriteComponent>()->getGlobalBounds(), {-8.f, -8.f, 16.f, 16.f});
}

TEST_F(SpriteTest, FollowsTheEntityAndItsScale) {
    tarsk::SpriteDescription description = describe(square);
    description.positionOffset = {2.f, -1.f};
    auto entity = spriteEntity(resources, description);
    entity->init();
    auto* transform = entity->getComponent<orv::TransformationComponent>();
    const auto* sprite = entity->getComponent<SpriteComponent>();
    expectRect(sprite->getGlobalBounds(), {-6.f, -9.f, 16.f, 16.f});

    transform->setPositionXY({1.f, 1.f});
    expectRect(sprite->getGlobalBounds(), {10.f, 7.f, 16.f, 16.f});

    // The offset grows with the entity's scale.
    transform->setScale({3.f, 0.5f});
    expectRect(sprite->getGlobalBounds(), {16.f - 24.f + 6.f, 16.f - 4.f - 0.5f, 48.f, 8.f});
}

TEST_F(SpriteTest, RotationAddsTheOffsetToTheEntityRotation) {
    tarsk::SpriteDescription description = describe(square);
    description.rotationOffset = 10.f;
    auto entity = spriteEntity(resources, description);
    auto* transform = entity->getComponent<orv::TransformationComponent>();
    transform->setRotation(20.f);
    entity->init();
    const auto* sprite = entity->getComponent<SpriteComponent>();
    EXPECT_FLOAT_EQ(sprite->getSprite().getRotation(), 30.f);
    transform->getRotationChangedSignal().emit(80.f);
    EXPECT_FLOAT_EQ(sprite->getSprite().getRotation(), 90.f);
}

TEST_F(SpriteTest, AnchorSetsTheSortOffsetFromThePictureSize) {
    // Anchor 5 sorts by the bottom edge: entity y × 16 + h / 2.
    auto entity = spriteEntity(resources, describe(square, 5), {2.f, 4.f, 0.f}, {1.f, 3.f});
    entity->init();
    const auto* render = entity->getComponent<RenderComponent>();
    EXPECT_EQ(render->getSortPosition(), sf::Vector3f(32.f, 64.f + 24.f, 0.f));

    // Growing the entity moves its foot with it.
    entity->getComponent<orv::TransformationComponent>()->setScale({1.f, 1.f});
    EXPECT_EQ(render->getSortPosition(), sf::Vector3f(32.f, 64.f + 8.f, 0.f));
}

TEST_F(SpriteTest, AnchorTable) {
    const sf::FloatRect bounds(100.f, 100.f, 20.f, 10.f);
    const sf::Vector2f expected[9] = {{-10, -5}, {-10, 0}, {-10, 5}, {0, -5}, {0, 0},
                                      {0, 5},    {10, -5}, {10, 0},  {10, 5}};
    for (int anchor = 0; anchor < 9; ++anchor)
        EXPECT_EQ(tarsk::anchorOffset(anchor, bounds), expected[anchor]) << anchor;
    EXPECT_THROW(tarsk::anchorOffset(9, bounds), std::invalid_argument);
    EXPECT_THROW(tarsk::anchorOffset(-1, bounds), std::invalid_argument);
}

TEST_F(SpriteTest, PositionOffsetShiftsTheSortOffsetUnscaled) {
    tarsk::SpriteDescription description = describe(square, 8);
    description.positionOffset = {4.f, 6.f};
    auto entity = spriteEntity(resources, description, {0.f, 0.f, 0.f}, {2.f, 2.f});
    entity->init();
    EXPECT_EQ(entity->getComponent<RenderComponent>()->getSortingOffset(),
              sf::Vector3f(16.f + 4.f, 16.f + 6.f, 0.f));
}

TEST_F(SpriteTest, AnchorOutsideTheTableIsRejectedWhenBuilt) {
    EXPECT_THROW(SpriteComponent(resources, describe(square, 9)), std::invalid_argument);
    EXPECT_THROW(SpriteComponent(resources, describe(square, -1)), std::invalid_argument);
}

TEST_F(SpriteTest, TextureRectShowsPartOfTheSheetAtBaseSize) {
    tarsk::SpriteDescription description = describe(sheet);
    description.textureRect = {32, 0, 32, 32};
    auto entity = spriteEntity(resources, description, {1.f, 1.f, 0.f});
    entity->init();
    auto* sprite = entity->getComponent<SpriteComponent>();
    EXPECT_EQ(sprite->getSprite().getTextureRect(), sf::IntRect(32, 0, 32, 32));
    expectRect(sprite->getGlobalBounds(), {8.f, 8.f, 16.f, 16.f});

    // A wider frame is squeezed to the base size and placed again straight away.
    sprite->setTextureRect({0, 0, 64, 16});
    EXPECT_EQ(sprite->getSprite().getTextureRect(), sf::IntRect(0, 0, 64, 16));
    expectRect(sprite->getGlobalBounds(), {8.f, 8.f, 16.f, 16.f});
}

TEST_F(SpriteTest, EmptyPictureNeverGivesAnInfiniteScale) {
    tarsk::SpriteDescription description = describe(sheet);
    description.textureRect = {0, 0, 10, 0};
    auto entity = spriteEntity(resources, description, {1.f, 1.f, 0.f}, {2.f, 2.f});
    entity->init();
    auto* sprite = entity->getComponent<SpriteComponent>();
    const sf::Vector2f scale = sprite->getSprite().getScale();
    EXPECT_TRUE(std::isfinite(scale.x) && std::isfinite(scale.y));
    const sf::FloatRect bounds = sprite->getGlobalBounds();
    EXPECT_FLOAT_EQ(bounds.width, 32.f);
    EXPECT_FLOAT_EQ(bounds.height, 0.f);

    sprite->setTextureRect({0, 0, 0, 0});
    EXPECT_TRUE(std::isfinite(sprite->getSprite().getScale().x));
    EXPECT_TRUE(std::isfinite(sprite->getSprite().getPosition().x));
}

TEST_F(SpriteTest, TextureIdIsFixedOnceInitialised) {
    auto entity = spriteEntity(resources, describe(square));
    auto* sprite = entity->getComponent<SpriteComponent>();
    sprite->setTextureId(tall);
    entity->init();
    EXPECT_EQ(sprite->getTextureId(), tall);
    EXPECT_EQ(sprite->getSprite().getTextureRect(), sf::IntRect(0, 0, 32, 48));
    try {
        sprite->setTextureId(square);
        FAIL() << "expected std::logic_error";
    } catch (const std::logic_error& error) {
        EXPECT_STREQ(error.what(),
                     "Not supported. Cannot change textureId once SpriteComponent has been initialized.");
    }
    EXPECT_EQ(sprite->getTextureId(), tall);
    EXPECT_EQ(sprite->getSprite().getTextureRect(), sf::IntRect(0, 0, 32, 48));
}

nlohmann::json sampleJson(const std::string& texture) {
    return {{"textureResourceId", texture},  {"anchor", 5},
            {"spritePositionOffset.x", 1.5}, {"spritePositionOffset.y", -2.0},
            {"spriteRotationOffset", 90.0},  {"spriteBaseSize.x", 32.0},
            {"spriteBaseSize.y", 16.0},      {"textureRect.left", 32},
            {"textureRect.top", 0},          {"textureRect.width", 32},
            {"textureRect.height", 32}};
}

TEST_F(SpriteTest, JsonRoundTrip) {
    auto sprite = SpriteComponent::fromJson(sampleJson(sheet), resources);
    const tarsk::SpriteDescription& read = sprite->getDescription();
    EXPECT_EQ(read.textureResourceId, sheet);
    EXPECT_EQ(read.anchor, 5);
    EXPECT_EQ(read.positionOffset, sf::Vector2f(1.5f, -2.f));
    EXPECT_FLOAT_EQ(read.rotationOffset, 90.f);
    EXPECT_EQ(read.baseSize, sf::Vector2f(32.f, 16.f));
    EXPECT_EQ(read.textureRect, sf::IntRect(32, 0, 32, 32));

    orv::Entity entity;
    entity.addComponent<orv::TransformationComponent>();
    entity.addComponent<RenderComponent>();
    entity.addComponent(std::move(sprite), typeid(SpriteComponent));
    entity.init();
    EXPECT_EQ(entity.getComponent<SpriteComponent>()->toJsonData(), sampleJson(sheet));
}

TEST_F(SpriteTest, WholeTextureIsWrittenWithItsSize) {
    auto entity = spriteEntity(resources, describe(tall));
    entity->init();
    const nlohmann::json written = entity->getComponent<SpriteComponent>()->toJsonData();
    EXPECT_EQ(written.at("textureRect.width"), 32);
    EXPECT_EQ(written.at("textureRect.height"), 48);
    EXPECT_EQ(written.at("textureRect.left"), 0);
}

TEST_F(SpriteTest, OnlyTheWidthOfTheRectangleGiven) {
    nlohmann::json data = sampleJson(sheet);
    for (const char* key : {"textureRect.left", "textureRect.top", "textureRect.height"})
        data.erase(key);
    data["textureRect.width"] = 12;
    EXPECT_EQ(SpriteComponent::fromJson(data, resources)->getDescription().textureRect,
              sf::IntRect(0, 0, 12, 0));
}

TEST_F(SpriteTest, JsonRejectsMissingValuesWrongTypesAndBadAnchors) {
    for (const char* key : {"textureResourceId", "anchor", "spritePositionOffset.x", "spritePositionOffset.y",
                            "spriteRotationOffset", "spriteBaseSize.x", "spriteBaseSize.y"}) {
        nlohmann::json data = sampleJson(sheet);
        data.erase(key);
        try {
            SpriteComponent::fromJson(data, resources);
            ADD_FAILURE() << "accepted without " << key;
        } catch (const std::logic_error& error) {
            EXPECT_STREQ(error.what(), "json does not contain required value") << key;
        }
    }
    EXPECT_THROW(SpriteComponent::fromJson(nlohmann::json::array({1, 2}), resources), std::logic_error);

    nlohmann::json wrongType = sampleJson(sheet);
    wrongType["spriteBaseSize.x"] = "wide";
    EXPECT_THROW(SpriteComponent::fromJson(wrongType, resources), orv::JsonError);

    for (double anchor : {9.0, -1.0, 1e12, -3e9}) {
        nlohmann::json data = sampleJson(sheet);
        data["anchor"] = anchor;
        EXPECT_THROW(SpriteComponent::fromJson(data, resources), std::invalid_argument) << anchor;
    }
    nlohmann::json fractional = sampleJson(sheet);
    fractional["anchor"] = 8.9;
    EXPECT_EQ(SpriteComponent::fromJson(fractional, resources)->getDescription().anchor, 8);
}

} // namespace

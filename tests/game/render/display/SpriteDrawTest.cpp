#include "engine/resources/ResourceManager.hpp"
#include "game/render/SpriteComponent.hpp"

#include "game/render/SpriteTestSupport.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <gtest/gtest.h>

namespace {

const sf::Color topLeft(250, 0, 0), topRight(0, 250, 0), bottomLeft(0, 0, 250), bottomRight(250, 250, 0);

// 32 × 32 pixels in four coloured quadrants, so a flipped or shifted picture shows.
sf::Image quadrants() {
    sf::Image image;
    image.create(32, 32);
    for (unsigned x = 0; x < 32; ++x) {
        for (unsigned y = 0; y < 32; ++y)
            image.setPixel(x, y,
                           y < 16 ? (x < 16 ? topLeft : topRight) : (x < 16 ? bottomLeft : bottomRight));
    }
    return image;
}

TEST(SpriteDraw, ScaledSpriteCoversItsSizeCentredOnTheEntity) {
    spritetest::TextureFiles files;
    orv::ResourceManager resources;
    auto entity = spritetest::spriteEntity(
        resources, spritetest::describe(files.add("quadrants", quadrants())), {3.f, 2.f, 0.f}, {2.f, 2.f});
    entity->init();

    sf::RenderTexture target;
    ASSERT_TRUE(target.create(96, 64));
    target.clear(sf::Color::Black);
    target.draw(entity->getComponent<tarsk::RenderComponent>()->getRenderer());
    target.display();
    const sf::Image shot = target.getTexture().copyToImage();

    // Base size 16 at scale 2: 32 × 32 pixels around (48, 32), i.e. x 32-63 and y 16-47.
    EXPECT_EQ(shot.getPixel(32, 16), topLeft);
    EXPECT_EQ(shot.getPixel(63, 16), topRight);
    EXPECT_EQ(shot.getPixel(32, 47), bottomLeft);
    EXPECT_EQ(shot.getPixel(63, 47), bottomRight);
    EXPECT_EQ(shot.getPixel(47, 31), topLeft);
    EXPECT_EQ(shot.getPixel(48, 32), bottomRight);
    for (const sf::Vector2u outside :
         {sf::Vector2u(31, 30), sf::Vector2u(64, 30), sf::Vector2u(48, 15), sf::Vector2u(48, 48)})
        EXPECT_EQ(shot.getPixel(outside.x, outside.y), sf::Color::Black) << outside.x << "," << outside.y;
}

} // namespace

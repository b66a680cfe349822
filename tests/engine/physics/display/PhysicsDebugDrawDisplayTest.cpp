#include "engine/physics/PhysicsTestSupport.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>

using namespace physics_test;

namespace {

// The debug shapes drawn for real: a static box of 2 by 2 units at (2, 2) covers pixels 16 to
// 48, tinted but see-through, and nothing else is touched.
TEST(PhysicsDebugDrawDisplay, ShapesLandWhereTheirBodiesAre) {
    PhysicsWorld w;
    w.add(entityWith(orv::PhysicsComponent::make(bodyOfType(b2_staticBody), box(1, 1), b2FixtureDef()),
                     {2, 2}));

    sf::RenderTexture texture;
    ASSERT_TRUE(texture.create(64, 64));
    texture.clear(sf::Color::Black);
    for (const auto& shape : w.physics->debugDraw())
        texture.draw(*shape);
    texture.display();
    const sf::Image image = texture.getTexture().copyToImage();

    const sf::Color inside = image.getPixel(32, 32);
    EXPECT_GT(inside.g, 0);
    EXPECT_LT(inside.g, 255 / 4); // a fifth of the colour over black
    EXPECT_EQ(image.getPixel(20, 44), inside);
    EXPECT_EQ(image.getPixel(8, 8), sf::Color::Black);
    EXPECT_EQ(image.getPixel(52, 32), sf::Color::Black);
}

} // namespace

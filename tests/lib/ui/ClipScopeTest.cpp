#include "ui/ClipScope.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <gtest/gtest.h>

namespace {

// A target that is never drawn on: views are plain arithmetic and need no GL context.
class ViewOnlyTarget final : public sf::RenderTarget {
public:
    ViewOnlyTarget() { initialize(); }
    sf::Vector2u getSize() const override { return {800, 600}; }
};

sf::RenderStates at(float x, float y) {
    sf::RenderStates states;
    states.transform.translate(x, y);
    return states;
}

TEST(UiClipScope, NarrowsTheViewToTheRectangleAndRestoresIt) {
    ViewOnlyTarget target;
    {
        const ui::ClipScope clip(target, at(100.f, 50.f), {10.f, 20.f, 200.f, 100.f});
        ASSERT_FALSE(clip.isEmpty());
        const sf::View& view = target.getView();
        EXPECT_EQ(view.getCenter(), sf::Vector2f(210.f, 120.f));
        EXPECT_EQ(view.getSize(), sf::Vector2f(200.f, 100.f));
        const sf::FloatRect port = view.getViewport();
        EXPECT_FLOAT_EQ(port.left, 110.f / 800.f);
        EXPECT_FLOAT_EQ(port.top, 70.f / 600.f);
        EXPECT_FLOAT_EQ(port.width, 200.f / 800.f);
        EXPECT_FLOAT_EQ(port.height, 100.f / 600.f);
        // The same point lands on the same pixel as without the clip (pixel centres, as SFML
        // truncates).
        EXPECT_EQ(target.mapCoordsToPixel({150.5f, 100.5f}), sf::Vector2i(150, 100));
    }
    EXPECT_EQ(target.getView().getSize(), sf::Vector2f(800.f, 600.f));
    EXPECT_EQ(target.getView().getViewport(), sf::FloatRect(0.f, 0.f, 1.f, 1.f));
}

TEST(UiClipScope, NestedScopesIntersect) {
    ViewOnlyTarget target;
    const ui::ClipScope outer(target, at(0.f, 0.f), {100.f, 100.f, 200.f, 200.f});
    {
        const ui::ClipScope inner(target, at(250.f, 150.f), {0.f, 0.f, 100.f, 100.f});
        ASSERT_FALSE(inner.isEmpty());
        EXPECT_EQ(target.getView().getSize(), sf::Vector2f(50.f, 100.f));
        EXPECT_EQ(target.getView().getCenter(), sf::Vector2f(275.f, 200.f));
        EXPECT_EQ(target.mapCoordsToPixel({260.5f, 160.5f}), sf::Vector2i(260, 160));
    }
    EXPECT_EQ(target.getView().getSize(), sf::Vector2f(200.f, 200.f));
    const ui::ClipScope outside(target, at(0.f, 0.f), {500.f, 500.f, 10.f, 10.f});
    EXPECT_TRUE(outside.isEmpty());
    EXPECT_EQ(target.getView().getSize(), sf::Vector2f(200.f, 200.f));
}

TEST(UiClipScope, FollowsAScaledGuiView) {
    ViewOnlyTarget target;
    // A GUI half the window's size, stretched over the whole window.
    target.setView(sf::View(sf::FloatRect(0.f, 0.f, 400.f, 300.f)));
    const ui::ClipScope clip(target, at(0.f, 0.f), {100.f, 100.f, 100.f, 50.f});
    const sf::FloatRect port = target.getView().getViewport();
    EXPECT_FLOAT_EQ(port.left, 0.25f);
    EXPECT_FLOAT_EQ(port.width, 0.25f);
    EXPECT_EQ(target.mapCoordsToPixel({150.25f, 120.25f}), sf::Vector2i(300, 240));
}

} // namespace

#include "engine/render/DrawableRenderer.hpp"
#include "engine/render/ForwardRenderer.hpp"
#include "engine/render/NullRenderer.hpp"
#include "engine/render/Renderable.hpp"

#include <gtest/gtest.h>

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Transform.hpp>

#include <memory>
#include <string>
#include <vector>

namespace {

// A target that needs no window: SFML hands each drawable straight to its draw().
class FakeTarget : public sf::RenderTarget {
public:
    FakeTarget() { initialize(); }
    sf::Vector2u getSize() const override { return {64, 64}; }
    bool setActive(bool) override { return true; }
};

struct Draw {
    std::string name;
    const sf::RenderTarget* target;
    sf::Transform transform;
    sf::BlendMode blend;
};

// Records each draw with the states it got.
class Recorder : public sf::Drawable {
public:
    Recorder(std::vector<Draw>& draws, std::string name) : draws(draws), name(std::move(name)) {}

protected:
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override {
        draws.push_back({name, &target, states.transform, states.blendMode});
    }

private:
    std::vector<Draw>& draws;
    std::string name;
};

// A renderer whose death the test can see.
class Mortal : public orv::NullRenderer {
public:
    explicit Mortal(int& deaths) : deaths(deaths) {}
    ~Mortal() override { ++deaths; }
    int& deaths;
};

struct Thing : orv::Renderable {};

sf::RenderStates shifted() {
    sf::RenderStates states(sf::BlendAdd);
    states.transform.translate(3, 4);
    return states;
}

bool sameMatrix(const sf::Transform& a, const sf::Transform& b) {
    for (int i = 0; i < 16; ++i) {
        if (a.getMatrix()[i] != b.getMatrix()[i])
            return false;
    }
    return true;
}

TEST(Renderers, ForwardRendererDrawsInOrderWithTheSameStates) {
    std::vector<Draw> draws;
    Recorder a(draws, "a");
    Recorder b(draws, "b");
    FakeTarget target;
    orv::ForwardRenderer renderer(std::vector<sf::Drawable*>{&a, &b});
    target.draw(renderer, shifted());
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[0].name, "a");
    EXPECT_EQ(draws[1].name, "b");
    for (const Draw& draw : draws) {
        EXPECT_EQ(draw.target, &target);
        EXPECT_TRUE(sameMatrix(draw.transform, shifted().transform));
        EXPECT_EQ(draw.blend, sf::BlendAdd);
    }
}

TEST(Renderers, ForwardRendererOfOneAndNullEntries) {
    std::vector<Draw> draws;
    Recorder a(draws, "a");
    FakeTarget target;
    target.draw(orv::ForwardRenderer(&a));
    target.draw(orv::ForwardRenderer(std::vector<sf::Drawable*>{nullptr, &a, nullptr}));
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_TRUE(sameMatrix(draws[0].transform, sf::Transform::Identity));
}

TEST(Renderers, DrawableRendererDrawsItsDrawableOrNothing) {
    std::vector<Draw> draws;
    Recorder a(draws, "a");
    FakeTarget target;
    target.draw(orv::DrawableRenderer(&a), shifted());
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_TRUE(sameMatrix(draws[0].transform, shifted().transform));
    EXPECT_EQ(draws[0].blend, sf::BlendAdd);
    target.draw(orv::DrawableRenderer(nullptr));
    EXPECT_EQ(draws.size(), 1u);
}

TEST(Renderers, NullRendererInAListDrawsNothingAnyNumberOfTimes) {
    std::vector<Draw> draws;
    Recorder a(draws, "a");
    orv::NullRenderer nothing;
    FakeTarget target;
    orv::ForwardRenderer renderer(std::vector<sf::Drawable*>{&nothing, &a, &nothing});
    target.draw(renderer);
    target.draw(renderer);
    ASSERT_EQ(draws.size(), 2u);
    EXPECT_EQ(draws[1].name, "a");
}

TEST(Renderable, StartsWithANullRendererAndNeverHoldsNone) {
    Thing thing;
    EXPECT_NE(dynamic_cast<orv::NullRenderer*>(&thing.getRenderer()), nullptr);
    thing.setRenderer(nullptr);
    EXPECT_NE(dynamic_cast<orv::NullRenderer*>(&thing.getRenderer()), nullptr);
    Thing moved(std::move(thing));
    EXPECT_NE(dynamic_cast<orv::NullRenderer*>(&thing.getRenderer()), nullptr);
}

TEST(Renderable, ReplacingTheRendererDeletesOnlyTheRenderer) {
    std::vector<Draw> draws;
    Recorder drawable(draws, "kept");
    int deaths = 0;
    Thing thing;
    thing.setRenderer(std::make_unique<Mortal>(deaths));
    EXPECT_EQ(deaths, 0);
    thing.setRenderer(std::make_unique<orv::DrawableRenderer>(&drawable));
    EXPECT_EQ(deaths, 1);
    thing.setRenderer(std::make_unique<orv::ForwardRenderer>(&drawable));
    // The drawable outlived both renderers that pointed at it and still draws.
    FakeTarget target;
    target.draw(thing.getRenderer());
    EXPECT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].name, "kept");
}

TEST(Renderable, MovingHandsOverTheRenderer) {
    int deaths = 0;
    Thing thing;
    thing.setRenderer(std::make_unique<Mortal>(deaths));
    orv::Renderer* held = &thing.getRenderer();
    Thing other;
    other = std::move(thing);
    EXPECT_EQ(&other.getRenderer(), held);
    EXPECT_EQ(deaths, 0);
    EXPECT_NE(&thing.getRenderer(), held);
}

} // namespace

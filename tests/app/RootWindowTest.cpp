#include "app/root/BaseGameState.hpp"

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

class ScriptedClock final : public tarsk::FrameClock {
public:
    explicit ScriptedClock(std::deque<sf::Time> times) : times(std::move(times)) {}
    sf::Time restart() override {
        sf::Time next = times.empty() ? sf::milliseconds(1) : times.front();
        if (!times.empty())
            times.pop_front();
        return next;
    }

private:
    std::deque<sf::Time> times;
};

struct Root {
    explicit Root(std::deque<sf::Time> times = {})
        : state(std::make_unique<ScriptedClock>(std::move(times))) {
        auto source = std::make_unique<tarsk::QueuedEventSource>();
        events = source.get();
        state.setEventSource(std::move(source));
        state.init();
    }
    void push(sf::Event::EventType type) {
        sf::Event event{};
        event.type = type;
        events->push(event);
    }
    void pushKey(sf::Keyboard::Key key) {
        sf::Event event{};
        event.type = sf::Event::KeyPressed;
        event.key.code = key;
        events->push(event);
    }

    tarsk::BaseGameState state;
    tarsk::QueuedEventSource* events = nullptr;
};

TEST(RootWindow, OpensWindowedAt1280x720) {
    Root root;
    ASSERT_TRUE(root.state.getWindow().isOpen());
    EXPECT_EQ(root.state.getWindow().getSize(), sf::Vector2u(1280, 720));
    EXPECT_EQ(root.state.getFrameTime(), sf::milliseconds(16));
}

TEST(RootWindow, FrameTimeComesFromTheClockEveryFrame) {
    Root root({sf::milliseconds(7), sf::microseconds(12900)});
    root.state.update();
    EXPECT_EQ(root.state.getFrameTime(), sf::milliseconds(7));
    root.state.update();
    EXPECT_EQ(root.state.getFrameTime().asMilliseconds(), 12);
    EXPECT_FALSE(root.state.isClosed());
}

TEST(RootWindow, CloseEventClosesInTheSameFrame) {
    Root root;
    root.push(sf::Event::Closed);
    root.push(sf::Event::GainedFocus); // still pumped after the close, without effect
    root.state.update();
    EXPECT_TRUE(root.state.isClosed());
    EXPECT_FALSE(root.state.getWindow().isOpen());
}

TEST(RootWindow, QuitRequestEndsAfterTheFrameIsDrawn) {
    Root root;
    root.state.update();
    root.state.getQuitRequested() = true;
    root.state.update();
    EXPECT_TRUE(root.state.isClosed());
    EXPECT_FALSE(root.state.getWindow().isOpen());
}

TEST(RootWindow, BAndVRecreateTheWindow) {
    Root root({sf::milliseconds(40), sf::milliseconds(40)});
    root.pushKey(sf::Keyboard::B);
    root.state.update();
    EXPECT_EQ(root.state.getWindow().getSize(), sf::Vector2u(1920, 1080));
    // The frame that re-creates the window runs with 16 ms, not the measured time.
    EXPECT_EQ(root.state.getFrameTime(), sf::milliseconds(16));
    root.pushKey(sf::Keyboard::V);
    root.state.update();
    EXPECT_EQ(root.state.getWindow().getSize(), sf::Vector2u(1280, 720));
    EXPECT_EQ(root.state.getFrameTime(), sf::milliseconds(16));
}

} // namespace

#include "engine/state/GameState.hpp"
#include "engine/state/SubGameStateToggle.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A state that records its hooks and can run a scripted action in any of them.
class Probe : public orv::GameState {
public:
    Probe(Log& log, std::string name) : log(log), name(std::move(name)) {
        getDestroyedSignal().connect([this] { this->log.push_back(this->name + ".destroyed"); });
    }

    Probe& add(std::string childName) {
        auto child = std::make_unique<Probe>(log, std::move(childName));
        Probe& ref = *child;
        getSubStates().push_back(std::move(child));
        return ref;
    }

    std::function<void()> onUpdateAction;

protected:
    void onInit() override { log.push_back(name + ".init"); }
    void onUpdate() override {
        log.push_back(name + ".update");
        if (onUpdateAction)
            std::exchange(onUpdateAction, nullptr)();
    }
    void onUpdate_late() override { log.push_back(name + ".late"); }
    void onDestroy() override { log.push_back(name + ".onDestroy"); }

private:
    Log& log;
    std::string name;
};

TEST(GameState, ThreeLevelUpdateOrder) {
    Log log;
    Probe root(log, "r");
    Probe& a = root.add("a");
    a.add("a1");
    a.add("a2");
    root.add("b").add("b1");
    root.update();
    EXPECT_EQ(log, (Log{"r.update", "a.update", "a1.update", "a1.late", "a2.update", "a2.late", "a.late",
                        "b.update", "b1.update", "b1.late", "b.late", "r.late"}));
}

TEST(GameState, DestroyTearsDownDeepestFirst) {
    Log log;
    Probe root(log, "r");
    Probe& a = root.add("a");
    a.add("a1");
    root.add("b");
    root.close();
    EXPECT_TRUE(root.isClosed());
    EXPECT_EQ(log, (Log{"a1.onDestroy", "a1.destroyed", "a.onDestroy", "a.destroyed", "b.onDestroy",
                        "b.destroyed", "r.onDestroy", "r.destroyed"}));
    EXPECT_TRUE(root.getSubStates().empty());
}

TEST(GameState, SecondCloseDoesNothing) {
    Log log;
    Probe root(log, "r");
    root.close();
    log.clear();
    root.close();
    EXPECT_TRUE(log.empty());
}

TEST(GameState, UpdateOnClosedStateThrowsExactMessage) {
    Log log;
    Probe root(log, "r");
    root.close();
    try {
        root.update();
        FAIL() << "expected an exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "orv::GameState::update(): cannot update closed GameState");
    }
}

TEST(GameState, ChildClosingItselfStillGetsLateAndIsRemoved) {
    Log log;
    Probe root(log, "r");
    Probe& a = root.add("a");
    a.add("a1");
    a.onUpdateAction = [&] {
        a.close();
    };
    root.update();
    EXPECT_EQ(log, (Log{"r.update", "a.update", "a1.onDestroy", "a1.destroyed", "a.onDestroy", "a.destroyed",
                        "a.late", "r.late"}));
    EXPECT_TRUE(root.getSubStates().empty());
}

TEST(GameState, RootClosingItselfRunsEmptyWalkAndLate) {
    Log log;
    Probe root(log, "r");
    root.add("a");
    root.onUpdateAction = [&] {
        root.close();
    };
    root.update();
    EXPECT_EQ(log, (Log{"r.update", "a.onDestroy", "a.destroyed", "r.onDestroy", "r.destroyed", "r.late"}));
}

TEST(GameState, ChildClosingParentStopsTheWalk) {
    Log log;
    Probe root(log, "r");
    Probe& a = root.add("a");
    Probe& a1 = a.add("a1");
    a.add("a2");
    root.add("b");
    a1.onUpdateAction = [&] {
        a.close();
    };
    root.update();
    // a1 keeps running after its parent tore it down: its late hook runs on a live object.
    EXPECT_EQ(log, (Log{"r.update", "a.update", "a1.update", "a1.onDestroy", "a1.destroyed", "a2.onDestroy",
                        "a2.destroyed", "a.onDestroy", "a.destroyed", "a1.late", "a.late", "b.update",
                        "b.late", "r.late"}));
    ASSERT_EQ(root.getSubStates().size(), 1u);
}

TEST(GameState, ChildDestroyingItsParentWithoutClosingItEndsTheParentsWalk) {
    Log log;
    Probe root(log, "r");
    Probe& a = root.add("a");
    Probe& a1 = a.add("a1");
    a.add("a2");
    root.add("b");
    // destroy() is public: the parent stays open but its children are torn down mid-walk.
    a1.onUpdateAction = [&] {
        a.destroy();
    };
    root.update();
    EXPECT_FALSE(a.isClosed());
    EXPECT_TRUE(a.getSubStates().empty());
    EXPECT_EQ(std::count(log.begin(), log.end(), "a2.update"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "b.update"), 1);
    EXPECT_EQ(log.back(), "r.late");
    root.update();
    EXPECT_EQ(std::count(log.begin(), log.end(), "a.update"), 2);
}

TEST(GameState, ChildClosingRootStopsEveryWalk) {
    Log log;
    Probe root(log, "r");
    Probe& a = root.add("a");
    Probe& a1 = a.add("a1");
    root.add("b");
    a1.onUpdateAction = [&] {
        root.close();
    };
    root.update();
    EXPECT_TRUE(root.isClosed());
    EXPECT_EQ(log.back(), "r.late");
    EXPECT_EQ(std::count(log.begin(), log.end(), "b.update"), 0);
    EXPECT_TRUE(root.getSubStates().empty());
}

TEST(GameState, ChildAppendedDuringWalkIsReached) {
    Log log;
    Probe root(log, "r");
    Probe& a = root.add("a");
    a.onUpdateAction = [&] {
        root.add("late");
    };
    root.update();
    EXPECT_EQ(log, (Log{"r.update", "a.update", "a.late", "late.update", "late.late", "r.late"}));
}

TEST(GameState, SiblingClosedBeforeReachedIsSkipped) {
    Log log;
    Probe root(log, "r");
    Probe& a = root.add("a");
    Probe& b = root.add("b");
    a.onUpdateAction = [&] {
        b.close();
    };
    root.update();
    EXPECT_EQ(log, (Log{"r.update", "a.update", "b.onDestroy", "b.destroyed", "a.late", "r.late"}));
    EXPECT_EQ(root.getSubStates().size(), 1u);
}

class ToggledState : public orv::GameState {
public:
    explicit ToggledState(int& inits) { ++inits; }
    std::function<void()> onUpdateAction;

protected:
    void onInit() override {}
    void onUpdate() override {
        if (onUpdateAction)
            onUpdateAction();
    }
    void onDestroy() override {}
};

TEST(SubGameStateToggle, OpenCloseReopen) {
    Log log;
    Probe parent(log, "p");
    orv::SubGameStateToggle<ToggledState> toggle(parent);
    int inits = 0;
    EXPECT_EQ(toggle.getActive(), nullptr);
    toggle.toggle(inits);
    ToggledState* first = toggle.getActive();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(parent.getSubStates().size(), 1u);
    toggle.toggle(inits);
    EXPECT_EQ(toggle.getActive(), nullptr);
    EXPECT_TRUE(first->isClosed());
    toggle.toggle(inits);
    EXPECT_NE(toggle.getActive(), nullptr);
    EXPECT_EQ(inits, 2);
    EXPECT_EQ(parent.getSubStates().size(), 2u); // the closed one waits for the next walk
    parent.update();
    EXPECT_EQ(parent.getSubStates().size(), 1u);
}

TEST(SubGameStateToggle, ToggledStateClosingItselfIsForgotten) {
    Log log;
    Probe parent(log, "p");
    orv::SubGameStateToggle<ToggledState> toggle(parent);
    int inits = 0;
    toggle.toggle(inits);
    ToggledState* open = toggle.getActive();
    open->onUpdateAction = [open] {
        open->close();
    };
    parent.update();
    EXPECT_EQ(toggle.getActive(), nullptr);
    EXPECT_TRUE(parent.getSubStates().empty());
    toggle.toggle(inits);
    EXPECT_NE(toggle.getActive(), nullptr);
}

TEST(SubGameStateToggle, ParentDestroyedForgetsActive) {
    Log log;
    Probe parent(log, "p");
    orv::SubGameStateToggle<ToggledState> toggle(parent);
    int inits = 0;
    toggle.toggle(inits);
    parent.close();
    EXPECT_EQ(toggle.getActive(), nullptr);
}

TEST(SubGameStateToggle, ToggleDyingBeforeItsStateIsSafe) {
    Log log;
    Probe parent(log, "p");
    int inits = 0;
    {
        orv::SubGameStateToggle<ToggledState> toggle(parent);
        toggle.toggle(inits);
    }
    parent.close();
    EXPECT_TRUE(parent.getSubStates().empty());
}

} // namespace

#include "AiTestSupport.hpp"

#include "game/ai/nodes/IdleFrameTimeNode.hpp"
#include "game/ai/nodes/IdleWorldTimeNode.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

using aitest::Scene;
using Status = bt::NodeStatus;

const sf::Time frame = sf::seconds(1.f / 64.f); // 1.5 s of game time, exactly

// Frames after the starting one until the wait ends.
int framesAfterStart(Scene& scene) {
    int frames = 1;
    while (scene.frame(frame) == Status::RUNNING && frames < 10000)
        ++frames;
    return frames;
}

TEST(IdleWorldTime, EndsOnceTheLaterFramesGameTimeAddsUp) {
    // The starting frame adds nothing; then 64 frames of 1.5 s make 96 s.
    Scene seconds(R"(<IdleWorldTime sec="96"/>)");
    EXPECT_EQ(seconds.frame(frame), Status::RUNNING);
    EXPECT_EQ(framesAfterStart(seconds), 64);
    // 1 h + 1 min + 1 s + 500 ms is 3661.5 s of game time.
    Scene all(R"(<IdleWorldTime h="1" min="1" sec="1" ms="500"/>)");
    EXPECT_EQ(all.frame(frame), Status::RUNNING);
    EXPECT_EQ(all.node<tarsk::IdleWorldTimeNode>()->getDuration(), sf::milliseconds(3661500));
    EXPECT_EQ(framesAfterStart(all), 2441);
}

TEST(IdleFrameTime, WaitsOnRealTimeInWholeMilliseconds) {
    Scene seconds(R"(<IdleFrameTime sec="2"/>)");
    EXPECT_EQ(seconds.frame(frame), Status::RUNNING);
    EXPECT_EQ(framesAfterStart(seconds), 128);
    // 1.9 ms is a wait of 1 ms: over after the first frame that adds any time.
    Scene ms(R"(<IdleFrameTime ms="1.9"/>)");
    EXPECT_EQ(ms.frame(sf::milliseconds(5)), Status::RUNNING);
    EXPECT_EQ(ms.frame(sf::Time::Zero), Status::RUNNING);
    EXPECT_EQ(ms.frame(sf::milliseconds(1)), Status::SUCCESS);
    Scene none("<IdleFrameTime/>");
    EXPECT_EQ(none.frame(frame), Status::SUCCESS);
}

TEST(IdleFrameTime, HaltingResetsTheWaitAndLetsGoOfTheClock) {
    Scene scene(R"(<ReactiveSequence><IsCloseToGoal goal="0;0" delta="{leash}"/>
                   <IdleFrameTime sec="10"/></ReactiveSequence>)");
    scene.blackboard().set("leash", 1.f);
    auto* node = scene.node<tarsk::IdleFrameTimeNode>();
    const std::size_t listeners = scene.w.time->getTickSignal().getSlotCount();
    EXPECT_EQ(scene.frame(frame), Status::RUNNING);
    EXPECT_EQ(scene.frame(frame), Status::RUNNING);
    EXPECT_EQ(scene.w.time->getTickSignal().getSlotCount(), listeners + 1);
    EXPECT_EQ(node->getElapsed(), frame);

    scene.blackboard().set("leash", -1.f);
    EXPECT_EQ(scene.frame(frame), Status::FAILURE);
    EXPECT_EQ(scene.w.time->getTickSignal().getSlotCount(), listeners);
    EXPECT_EQ(node->getDuration(), sf::Time::Zero);
    EXPECT_EQ(node->getElapsed(), sf::Time::Zero);

    // A fresh wait counts from zero again.
    scene.blackboard().set("leash", 1.f);
    EXPECT_EQ(scene.frame(frame), Status::RUNNING);
    EXPECT_EQ(node->getDuration(), sf::seconds(10));
    EXPECT_EQ(node->getElapsed(), sf::Time::Zero);
}

TEST(IdleNodes, RefuseWaitsThatAreNoDuration) {
    for (const char* body : {R"(<IdleFrameTime ms="nan"/>)", R"(<IdleFrameTime sec="inf"/>)",
                             R"(<IdleWorldTime h="1e30"/>)", R"(<IdleFrameTime ms="3e9"/>)"}) {
        // Refused when the tree is made, before any frame runs.
        EXPECT_THROW(Scene scene(body), bt::RuntimeError) << body;
    }
}

// A wait read from the blackboard is known only when the node runs: one that is no duration fails
// the node, said once per tree naming the node, and the tree goes on.
TEST(IdleNodes, AWaitFromTheBlackboardThatIsNoDurationFailsTheNodeSaidOnce) {
    for (const auto& [idle, wait, why] : std::vector<std::tuple<std::string, float, std::string>>{
             {R"(<IdleFrameTime sec="{wait}"/>)", 1e30f, R"(node "IdleFrameTime": wait "sec")"},
             {R"(<IdleWorldTime name="rest" min="{wait}"/>)", std::nanf(""), R"(node "rest": wait "min")"}}) {
        Scene scene("<Fallback>" + idle + R"(<GetPositionXY positionXY="{here}"/></Fallback>)");
        scene.blackboard().set("wait", wait);
        testing::internal::CaptureStdout();
        EXPECT_EQ(scene.frame(frame), Status::SUCCESS) << idle;
        EXPECT_EQ(scene.frame(frame), Status::SUCCESS) << idle;
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "behaviour tree \"main\" (" + scene.library.folder.path().generic_string() +
                      "/main.xml): " + why + " is not a usable duration; the node fails\n");
    }
}

} // namespace

#include "app/screens/ActivePlayerDialogueGameState.hpp"
#include "app/screens/support/InputRig.hpp"
#include "game/dialogue/DialogueContext.hpp"
#include "game/dialogue/DialogueFactory_base.hpp"

#include <gtest/gtest.h>

namespace {

using tarsk::ActivePlayerDialogueGameState;

// Tells its lines one per step; with lastEnds the step that tells the last line already ends.
class ScriptedDialogue final : public tarsk::Dialogue {
public:
    ScriptedDialogue(std::vector<std::string> lines, bool lastEnds, const orv::Entity*& seenPlayer)
        : Dialogue("scripted"), lines(std::move(lines)), lastEnds(lastEnds), seenPlayer(seenPlayer) {}
    bool next(const tarsk::DialogueContext& context, tarsk::DialogueView& view) override {
        seenPlayer = context.player;
        if (told == lines.size())
            return false;
        view.showLine(lines[told++]);
        return !(lastEnds && told == lines.size());
    }

private:
    std::vector<std::string> lines;
    bool lastEnds;
    std::size_t told = 0;
    const orv::Entity*& seenPlayer;
};

class ScriptedDialogueFactory final : public tarsk::DialogueFactory_base {
public:
    ScriptedDialogueFactory(std::string id, std::vector<std::string> lines, bool lastEnds,
                            const orv::Entity*& seen)
        : DialogueFactory_base(std::move(id)), lines(std::move(lines)), lastEnds(lastEnds), seen(seen) {}
    std::unique_ptr<tarsk::Dialogue> create() const override {
        return std::make_unique<ScriptedDialogue>(lines, lastEnds, seen);
    }

private:
    std::vector<std::string> lines;
    bool lastEnds;
    const orv::Entity*& seen;
};

class DialogueScreenTest : public ::testing::Test {
protected:
    static tarsk::DialogueDataManager::Factories factories(const orv::Entity*& seen) {
        tarsk::DialogueDataManager::Factories list;
        list.push_back(std::make_unique<ScriptedDialogueFactory>(
            "three", std::vector<std::string>{"Hello.", "The frogs are back.", "Go."}, false, seen));
        list.push_back(
            std::make_unique<ScriptedDialogueFactory>("short", std::vector<std::string>{"Bye."}, true, seen));
        list.push_back(
            std::make_unique<ScriptedDialogueFactory>("silent", std::vector<std::string>{}, false, seen));
        return list;
    }

    DialogueScreenTest() : services({}, factories(seenPlayer)) {}

    ActivePlayerDialogueGameState& open(const std::string& id) {
        screen = std::make_unique<ActivePlayerDialogueGameState>(services, id);
        screen->init();
        return *screen;
    }
    void leftClickAt(sf::Vector2i at) {
        rig.button(sf::Event::MouseButtonPressed, sf::Mouse::Left, at);
        rig.button(sf::Event::MouseButtonReleased, sf::Mouse::Left, at);
    }
    std::string shown() const { return screen->getTextBox()->getText(); }

    const orv::Entity* seenPlayer = nullptr;
    screentest::FakeScreenServices services;
    screentest::InputRig rig{services};
    std::unique_ptr<ActivePlayerDialogueGameState> screen;
};

TEST_F(DialogueScreenTest, ClicksStepThroughTheLinesAndTheScreenClosesAfterItsPause) {
    auto& dialogue = open("three");
    EXPECT_EQ(shown(), "Hello. (Click to continue...)");
    EXPECT_EQ(seenPlayer, &services.player);
    const auto box = dialogue.getTextBox();
    EXPECT_TRUE(box->isReadOnly());
    ASSERT_TRUE(services.guiHas(box));

    leftClickAt({400, 300});
    EXPECT_EQ(shown(), "The frogs are back. (Click to continue...)");
    leftClickAt({400, 300});
    EXPECT_EQ(shown(), "Go. (Click to continue...)");
    EXPECT_FALSE(dialogue.isFinished());

    leftClickAt({400, 300});
    EXPECT_TRUE(dialogue.isFinished());
    EXPECT_EQ(shown(), "Go. (Click to continue...)");

    // The last line lingers for 160 ms of frames: ten of 16 ms.
    for (int frame = 0; frame < 9; ++frame)
        dialogue.update();
    EXPECT_FALSE(dialogue.isClosed()) << "the last line lingers";
    dialogue.update();
    EXPECT_TRUE(dialogue.isClosed());
    EXPECT_FALSE(services.guiHas(box));
}

TEST_F(DialogueScreenTest, ClicksAfterTheEndAndPressesOutsideTheWindowDoNotAdvance) {
    open("three");
    leftClickAt({1280, 300});
    leftClickAt({-1, 10});
    EXPECT_EQ(shown(), "Hello. (Click to continue...)");
    screen->close();

    open("short");
    EXPECT_TRUE(screen->isFinished());
    leftClickAt({10, 10});
    EXPECT_EQ(shown(), "Bye. (Click to continue...)");
    screen->close();
}

TEST_F(DialogueScreenTest, ADialogueWithoutLinesLeavesAnEmptyBoxAndCloses) {
    auto& dialogue = open("silent");
    EXPECT_TRUE(dialogue.isFinished());
    EXPECT_EQ(shown(), "");
    services.frameTime = ActivePlayerDialogueGameState::lingerTime;
    dialogue.update();
    EXPECT_TRUE(dialogue.isClosed());
}

TEST_F(DialogueScreenTest, BoxSitsCentredAbove140PixelsFromTheBottom) {
    auto& dialogue = open("three");
    const auto box = dialogue.getTextBox();
    const sf::Vector2f size = box->getSize();
    EXPECT_FLOAT_EQ(box->getPosition().x, 640.f - size.x / 2.f);
    EXPECT_FLOAT_EQ(box->getPosition().y, 720.f - size.y - 140.f);
    dialogue.close();
}

TEST_F(DialogueScreenTest, AnUnknownDialogueFailsBeforeAnyScreenIsMade) {
    try {
        ActivePlayerDialogueGameState unknown(services, "nobody");
        FAIL() << "made a screen for an unknown dialogue";
    } catch (const std::out_of_range& error) {
        EXPECT_STREQ(error.what(), "invalid map<K, T> key");
    }
    EXPECT_TRUE(services.gui.getWidgets().empty());
}

} // namespace

#include "app/support/RootHarness.hpp"

#include <gtest/gtest.h>

#include <SFML/Window/Mouse.hpp>

#include <stdexcept>
#include <sys/stat.h>

namespace {

using apptest::RootHarness;

TEST(RootWindow, OpensWindowedAt1280x720InTheMiddleOfTheDesktop) {
    RootHarness harness;
    harness.start();
    ASSERT_TRUE(harness.root->getWindow().isOpen());
    EXPECT_EQ(harness.root->getWindow().getSize(), sf::Vector2u(1280, 720));
    EXPECT_EQ(harness.root->getFrameTime(), sf::milliseconds(16));
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    const sf::Vector2i middle((static_cast<int>(desktop.width) - 1280) / 2,
                              (static_cast<int>(desktop.height) - 720) / 2);
    EXPECT_EQ(harness.root->getWindow().getPosition(), middle);
    // Made anew by V, after full screen, it opens there again.
    harness.pushKey(sf::Keyboard::B);
    harness.frame();
    harness.pushKey(sf::Keyboard::V);
    harness.frame();
    EXPECT_EQ(harness.root->getWindow().getPosition(), middle);
}

TEST(RootWindow, FrameTimeComesFromTheClockEveryFrame) {
    RootHarness harness({sf::milliseconds(7), sf::microseconds(12900)});
    harness.start();
    harness.frame();
    EXPECT_EQ(harness.root->getFrameTime(), sf::milliseconds(7));
    harness.frame();
    EXPECT_EQ(harness.root->getFrameTime().asMilliseconds(), 12);
    EXPECT_FALSE(harness.root->isClosed());
}

TEST(RootWindow, CloseEventClosesInTheSameFrameAndWritesTheSettingsOnce) {
    RootHarness harness;
    harness.start();
    harness.root->getSettings()["background_music_volume"] = 20.0;
    harness.push(sf::Event::Closed);
    harness.pushKey(sf::Keyboard::V); // still pumped after the close, without effect
    harness.frame();
    EXPECT_TRUE(harness.root->isClosed());
    EXPECT_FALSE(harness.root->getWindow().isOpen());
    EXPECT_TRUE(harness.root->getSubStates().empty());
    EXPECT_EQ(nlohmann::json::parse(harness.folder.files().read("settings.json")),
              nlohmann::json::parse(R"({"background_music_volume": 20.0})"));
    // Destroying the closed root does not write again.
    std::filesystem::remove(harness.folder.files() / "settings.json");
    harness.root.reset();
    EXPECT_FALSE(std::filesystem::exists(harness.folder.files() / "settings.json"));
}

TEST(RootWindow, QuitRequestEndsAfterTheFrameIsDrawn) {
    RootHarness harness;
    harness.start();
    harness.frame();
    harness.root->getQuitRequested() = true;
    harness.root->getSettings()["background_music_volume"] = 20.0;
    harness.frame();
    EXPECT_TRUE(harness.root->isClosed());
    EXPECT_FALSE(harness.root->getWindow().isOpen());
    EXPECT_EQ(nlohmann::json::parse(harness.folder.files().read("settings.json"))["background_music_volume"],
              20.0);
}

TEST(RootWindow, BAndVRecreateTheWindowWhenTheMouseIsOffTheInterface) {
    RootHarness harness({sf::milliseconds(40), sf::milliseconds(40)});
    harness.start();
    // The menu sits in the middle: the corner is clear of it.
    sf::Mouse::setPosition({2, 2}, harness.root->getWindow());
    harness.pushKey(sf::Keyboard::B);
    harness.frame();
    EXPECT_EQ(harness.root->getWindow().getSize(), sf::Vector2u(1920, 1080));
    // The frame that re-creates the window runs with 16 ms, not the measured time.
    EXPECT_EQ(harness.root->getFrameTime(), sf::milliseconds(16));
    // The interface follows the new window size.
    EXPECT_EQ(harness.root->getGui().getSize(), sf::Vector2f(1920, 1080));
    sf::Mouse::setPosition({2, 2}, harness.root->getWindow());
    harness.pushKey(sf::Keyboard::V);
    harness.frame();
    EXPECT_EQ(harness.root->getWindow().getSize(), sf::Vector2u(1280, 720));
    EXPECT_EQ(harness.root->getFrameTime(), sf::milliseconds(16));
}

TEST(RootWindow, BOverTheMenuDoesNothing) {
    RootHarness harness({sf::milliseconds(40)});
    harness.start();
    sf::Mouse::setPosition({640, 360 - 110 + 20}, harness.root->getWindow());
    ASSERT_TRUE(harness.root->getInput().isMouseOverGui());
    harness.pushKey(sf::Keyboard::B);
    harness.frame();
    EXPECT_EQ(harness.root->getWindow().getSize(), sf::Vector2u(1280, 720));
    EXPECT_EQ(harness.root->getFrameTime(), sf::milliseconds(40));
}

TEST(RootStartup, LoadsTheTileFilesAndKeepsForeignSettings) {
    RootHarness harness;
    harness.folder.files().write("data/tiles/more/sand.tiles",
                                 R"([{"tile_id": "SAND", "default": [16, 0, 16, 16]}])");
    harness.folder.files().write("data/tiles/readme.txt",
                                 R"({"tile_id": "NOPE", "default": [0, 0, 16, 16]})");
    harness.folder.files().write("settings.json", R"({"modded": [1, 2], "background_music_volume": 12.5})");
    harness.start();
    const orv::Tileset& tiles = harness.root->getTileset();
    EXPECT_NE(tiles.findTile("GRASS"), tiles.end());
    EXPECT_NE(tiles.findTile("SAND"), tiles.end());
    EXPECT_EQ(tiles.findTile("NOPE"), tiles.end());
    EXPECT_NE(tiles.getTexture(), nullptr);
    harness.push(sf::Event::Closed);
    harness.frame();
    EXPECT_EQ(nlohmann::json::parse(harness.folder.files().read("settings.json")),
              nlohmann::json::parse(R"({"modded": [1, 2], "background_music_volume": 12.5})"));
}

TEST(RootStartup, BrokenSettingsDoNotStopTheGame) {
    RootHarness harness;
    harness.folder.files().write("settings.json", "{ not json");
    testing::internal::CaptureStdout();
    harness.start();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(harness.root->getSettings(), nlohmann::json::object());
    EXPECT_EQ(harness.folder.files().read("settings.json.bak"), "{ not json");
    EXPECT_TRUE(harness.root->getWindow().isOpen());
}

TEST(RootStartup, MissingTileFolderFailsTheStart) {
    RootHarness harness;
    std::filesystem::remove_all(harness.folder.files() / "data/tiles");
    EXPECT_THROW(harness.start(), std::filesystem::filesystem_error);
}

TEST(RootStartup, AnItemWhoseIconIsMissingFailsTheStartNamingTheIcon) {
    RootHarness harness;
    harness.folder.files().write("data/items/shells.json",
                                 R"([{"id": "SHELL", "name": "Shell", "iconTexture": "shell.png"}])");
    try {
        harness.start();
        ADD_FAILURE() << "started without the icon";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("SHELL"), std::string::npos) << error.what();
        EXPECT_NE(std::string(error.what()).find("./data/items/shell.png"), std::string::npos)
            << error.what();
    }
}

// Stands for any fault inside a frame: the exception leaves the frame loop.
struct FailingEventSource final : tarsk::EventSource {
    bool pollEvent(sf::Event&) override { throw std::runtime_error("fault in the frame"); }
};

TEST(RootWindow, AnExceptionLeavingTheFrameLoopStillWritesWhatThePlayerSet) {
    RootHarness harness;
    harness.start();
    harness.pushKey(sf::Keyboard::PageUp);
    harness.frame();
    harness.root->setEventSource(std::make_unique<FailingEventSource>());
    EXPECT_THROW(harness.frame(), std::runtime_error);
    // As in main: the root is left unclosed and goes out of scope.
    harness.root.reset();
    EXPECT_EQ(nlohmann::json::parse(harness.folder.files().read("settings.json")),
              nlohmann::json::parse(R"({"background_music_volume": 60.0})"));
}

TEST(RootStartup, AnEntryUnderDataThatIsNoFileIsSkippedAndSaid) {
    RootHarness harness;
    const auto data = harness.folder.files() / "data";
    ASSERT_EQ(::mkfifo((data / "items/wood.json").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", data / "blueprint/tree.json");
    ASSERT_EQ(::mkfifo((data / "tiles/sand.tiles").c_str(), 0600), 0);
    std::filesystem::create_symlink("someone@host.4242", data / "other/dayNight/.#default.json");
    std::filesystem::create_directory(data / "items/fish2.json");
    std::filesystem::create_directory_symlink(data / "items/fish2.json", data / "items/fish3.json");
    testing::internal::CaptureStdout();
    harness.start();
    const std::string said = testing::internal::GetCapturedStdout();
    for (const char* line :
         {"content: skipping ./data/items/wood.json: it is a pipe (FIFO)\n",
          "content: skipping ./data/blueprint/tree.json: it is a device\n",
          "content: skipping ./data/tiles/sand.tiles: it is a pipe (FIFO)\n",
          "content: skipping ./data/other/dayNight/.#default.json: it is a link to nothing\n",
          "content: skipping ./data/items/fish2.json: it is a folder\n",
          "content: skipping ./data/items/fish3.json: it is a folder\n"})
        EXPECT_NE(said.find(line), std::string::npos) << said;
    EXPECT_TRUE(harness.root->getWindow().isOpen());
}

} // namespace

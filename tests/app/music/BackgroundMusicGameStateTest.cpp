#include "app/music/BackgroundMusicGameState.hpp"
#include "app/console/HeadlessInput.hpp"
#include "engine/common/JsonError.hpp"
#include "support/TempFolder.hpp"
#include "ui/EditBox.hpp"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <memory>
#include <string>

#include <sys/stat.h>

namespace {

const std::string shippedTrack = std::string(ORV_SOURCE_DIR) + "/data/music/8_bit_sadness_and_solo_lofi.ogg";
const std::string missingTrack = "no/such/track.ogg";

class MusicTest : public ::testing::Test {
protected:
    ~MusicTest() override {
        if (music && !music->isClosed())
            music->close();
    }

    tarsk::BackgroundMusicGameState& start(const std::string& track = missingTrack) {
        music = std::make_unique<tarsk::BackgroundMusicGameState>(settings, io.input, track);
        music->init();
        return *music;
    }
    nlohmann::json stored() const { return settings.at("background_music_volume"); }

    apptest::HeadlessInput io;
    nlohmann::json settings = nlohmann::json::object();
    std::unique_ptr<tarsk::BackgroundMusicGameState> music;
};

TEST_F(MusicTest, TheShippedTrackPlaysInALoop) {
    const auto& state = start(shippedTrack);
    EXPECT_EQ(state.getMusic()->getStatus(), sf::SoundSource::Playing);
    EXPECT_TRUE(state.getMusic()->getLoop());
    music->close();
    EXPECT_EQ(state.getMusic()->getStatus(), sf::SoundSource::Stopped);
}

TEST_F(MusicTest, AMissingTrackIsSilenceAndTheKeysStillWork) {
    const auto& state = start();
    EXPECT_EQ(state.getMusic()->getStatus(), sf::SoundSource::Stopped);
    EXPECT_FLOAT_EQ(state.getVolume(), 50.f);
    EXPECT_FALSE(settings.contains("background_music_volume"));
    io.press(sf::Keyboard::PageUp);
    EXPECT_FLOAT_EQ(state.getVolume(), 60.f);
    EXPECT_EQ(stored(), 60.0);
}

TEST_F(MusicTest, ATrackThatIsAPipeIsSilenceNamedWithoutWaiting) {
    const testsupport::TempFolder folder;
    const std::string pipe = (folder / "music-pipe.ogg").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(start(pipe).getMusic()->getStatus(), sf::SoundSource::Stopped);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "music: cannot read " + pipe + ": it is a pipe (FIFO); the game stays silent\n");
}

TEST_F(MusicTest, VolumeStaysWithinItsRangeAndEveryPressIsStored) {
    settings["background_music_volume"] = 100;
    const auto& state = start();
    io.press(sf::Keyboard::PageUp);
    EXPECT_FLOAT_EQ(state.getVolume(), 100.f);
    EXPECT_EQ(stored(), 100.0);
    music->close();

    settings["background_music_volume"] = 5;
    start();
    io.press(sf::Keyboard::PageDown);
    EXPECT_FLOAT_EQ(music->getVolume(), 0.f);
    settings["background_music_volume"] = "overwritten by the next press";
    io.press(sf::Keyboard::PageDown);
    EXPECT_FLOAT_EQ(music->getVolume(), 0.f);
    EXPECT_EQ(stored(), 0.0);
}

TEST_F(MusicTest, TheStoredVolumeIsWhereItStarts) {
    settings["background_music_volume"] = 45;
    const auto& state = start();
    EXPECT_FLOAT_EQ(state.getVolume(), 45.f);
    io.press(sf::Keyboard::PageUp);
    EXPECT_EQ(stored(), 55.0);
    // A hand-edited value outside the range starts at the nearest end.
    music->close();
    settings["background_music_volume"] = 250.5;
    start();
    EXPECT_FLOAT_EQ(music->getVolume(), 100.f);
}

TEST_F(MusicTest, StoredValuesThatAreNotNumbersAreRefused) {
    settings["background_music_volume"] = "loud";
    EXPECT_THROW(start(), orv::JsonError);
    settings["background_music_volume"] = true;
    EXPECT_THROW(start(), orv::JsonError);
    // Settings that are not an object hold no volume.
    settings = nlohmann::json::array();
    EXPECT_FLOAT_EQ(start().getVolume(), 50.f);
    EXPECT_THROW(music->storeVolume(), nlohmann::json::type_error);
    music->close();
    settings = nullptr;
    start().storeVolume();
    EXPECT_EQ(stored(), 50.0);
}

TEST_F(MusicTest, KeysDoNothingWhileATextFieldHasFocus) {
    const auto& state = start();
    auto field = ui::EditBox::create();
    io.gui.add(field);
    field->setFocused(true);
    io.press(sf::Keyboard::PageUp);
    io.press(sf::Keyboard::PageDown);
    io.press(sf::Keyboard::PageDown);
    EXPECT_FLOAT_EQ(state.getVolume(), 50.f);
    EXPECT_FALSE(settings.contains("background_music_volume"));
}

TEST_F(MusicTest, ClosedMusicNoLongerListens) {
    start();
    music->close();
    io.press(sf::Keyboard::PageUp);
    EXPECT_FALSE(settings.contains("background_music_volume"));
}

} // namespace

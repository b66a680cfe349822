#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"

#include <SFML/Audio/Music.hpp>
#include <nlohmann/json.hpp>

#include <memory>
#include <string>

namespace tarsk {

class BaseGameState;
class InputEngine;

// Plays the one music track in a loop for as long as the program runs. Page Up and Page Down
// change the volume in steps of 10 within 0..100, and each press stores it in the settings.
// Without an audio device it says so once and stays silent; the keys still store the volume.
class BackgroundMusicGameState : public orv::GameState {
public:
    static constexpr const char* trackPath = "data/music/8_bit_sadness_and_solo_lofi.ogg";
    static constexpr const char* volumeKey = "background_music_volume";
    static constexpr float defaultVolume = 50.f;
    static constexpr float volumeStep = 10.f;

    explicit BackgroundMusicGameState(BaseGameState& base);
    BackgroundMusicGameState(nlohmann::json& settings, InputEngine& input, std::string track = trackPath);
    ~BackgroundMusicGameState() override;

    // Writes the current volume into the settings (an object or null; anything else is the JSON
    // library's type error).
    void storeVolume();

    float getVolume() const { return volume; }
    // Null when there is no audio device.
    const sf::Music* getMusic() const { return music.get(); }

protected:
    void onInit() override;
    void onUpdate() override {}
    void onDestroy() override;

private:
    float startVolume() const;
    void changeVolume(float delta);
    void setVolume(float newVolume);

    nlohmann::json& settings;
    InputEngine& input;
    std::string track;
    // The track's bytes, read within the limit for media; the stream reads them as it plays, so
    // they outlive the music.
    std::string trackBytes;
    std::unique_ptr<sf::Music> music;
    // Kept here as set: the stream's gain reads back with rounding noise from the audio layer.
    float volume = defaultVolume;
    smartsignals::ScopedConnections connections;
};

} // namespace tarsk

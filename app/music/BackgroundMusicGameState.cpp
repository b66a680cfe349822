#include "app/music/BackgroundMusicGameState.hpp"

#include "app/input/InputEngine.hpp"
#include "app/music/AudioDevice.hpp"
#include "app/root/BaseGameState.hpp"
#include "engine/common/JsonNumber.hpp"
#include "engine/resources/RegularFile.hpp"

#include <algorithm>
#include <exception>
#include <iostream>
#include <utility>

namespace tarsk {

namespace {

float clampVolume(float volume) {
    return std::min(100.f, std::max(0.f, volume));
}

} // namespace

BackgroundMusicGameState::BackgroundMusicGameState(BaseGameState& base)
    : BackgroundMusicGameState(base.getSettings(), base.getInput()) {}

BackgroundMusicGameState::BackgroundMusicGameState(nlohmann::json& settings, InputEngine& input,
                                                   std::string track)
    : settings(settings), input(input), track(std::move(track)) {}

BackgroundMusicGameState::~BackgroundMusicGameState() {
    connections.disconnectAll();
}

void BackgroundMusicGameState::onInit() {
    if (audioDeviceAvailable())
        music = std::make_unique<sf::Music>();
    else
        std::cout << "no audio device: the game plays without sound" << std::endl;
    setVolume(startVolume());
    // Without the track the game simply stays silent.
    if (music) {
        try {
            trackBytes = orv::readRegularFile(track, orv::FileLimit::Media);
            if (music->openFromMemory(trackBytes.data(), trackBytes.size())) {
                music->setLoop(true);
                music->play();
            }
        } catch (const std::exception& error) {
            std::cout << "music: " << error.what() << "; the game stays silent" << std::endl;
        }
    }

    input.keyPressed(sf::Keyboard::PageUp).connectTracked(connections, [this] { changeVolume(volumeStep); });
    input.keyPressed(sf::Keyboard::PageDown).connectTracked(connections, [this] {
        changeVolume(-volumeStep);
    });
}

void BackgroundMusicGameState::onDestroy() {
    connections.disconnectAll();
    if (music)
        music->stop();
}

float BackgroundMusicGameState::startVolume() const {
    if (!settings.is_object() || !settings.contains(volumeKey))
        return defaultVolume;
    const nlohmann::json& stored = settings.at(volumeKey);
    // A hand-edited file may hold anything; the stream's volume is a percentage.
    return clampVolume(orv::jsonNumber<float>(stored, volumeKey));
}

void BackgroundMusicGameState::changeVolume(float delta) {
    setVolume(clampVolume(volume + delta));
    storeVolume();
}

void BackgroundMusicGameState::storeVolume() {
    settings[volumeKey] = volume;
}

void BackgroundMusicGameState::setVolume(float newVolume) {
    volume = newVolume;
    if (music)
        music->setVolume(volume);
}

} // namespace tarsk

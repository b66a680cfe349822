#include "app/music/BackgroundMusicGameState.hpp"

#include "app/input/InputEngine.hpp"
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
    // Without the track the game simply stays silent.
    bool opened = false;
    try {
        trackBytes = orv::readRegularFile(track, orv::FileLimit::Media);
        opened = music.openFromMemory(trackBytes.data(), trackBytes.size());
    } catch (const std::exception& error) {
        std::cout << "music: " << error.what() << "; the game stays silent" << std::endl;
    }
    setVolume(startVolume());
    music.setLoop(true);
    if (opened)
        music.play();

    input.keyPressed(sf::Keyboard::PageUp).connectTracked(connections, [this] { changeVolume(volumeStep); });
    input.keyPressed(sf::Keyboard::PageDown).connectTracked(connections, [this] {
        changeVolume(-volumeStep);
    });
}

void BackgroundMusicGameState::onDestroy() {
    connections.disconnectAll();
    music.stop();
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
    music.setVolume(volume);
}

} // namespace tarsk

#include "tests/data/DataFolder.hpp"

#include <SFML/Audio/InputSoundFile.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Read without an audio device: the file is decoded, not played.
TEST(MusicFile, IsAShortSmallLoopWithSoundAllTheWay) {
    const auto path = datatest::dataFolder() / "music" / "8_bit_sadness_and_solo_lofi.ogg";
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_LT(std::filesystem::file_size(path), 300u * 1024u);
    sf::InputSoundFile file;
    ASSERT_TRUE(file.openFromFile(path.string()));
    const float seconds = file.getDuration().asSeconds();
    EXPECT_GE(seconds, 3.f);
    EXPECT_LE(seconds, 25.f);

    std::vector<sf::Int16> samples(static_cast<std::size_t>(file.getSampleCount()));
    ASSERT_EQ(file.read(samples.data(), samples.size()), samples.size());
    const unsigned channels = file.getChannelCount();
    const std::size_t window = file.getSampleRate() * channels / 2;
    int peak = 0;
    for (std::size_t start = 0; start + window <= samples.size(); start += window) {
        double energy = 0.0;
        for (std::size_t i = start; i < start + window; ++i) {
            energy += static_cast<double>(samples[i]) * samples[i];
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        }
        // No half second of the loop is silent.
        EXPECT_GT(std::sqrt(energy / window), 300.0)
            << "silent at " << start / channels / file.getSampleRate() << " s";
    }
    EXPECT_LT(peak, 32767) << "clipped";
    EXPECT_GT(peak, 8000) << "too quiet";
}

} // namespace

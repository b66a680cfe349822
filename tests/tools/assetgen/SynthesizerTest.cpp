#include "tools/assetgen/src/Synthesizer.hpp"
#include "tools/assetgen/src/Composition.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using namespace assetgen;

Score oneVoice(Wave wave, std::vector<Note> notes) {
    return Score{120.0, 4, 1, {Voice{wave, 0.5f, 0.1f, 1.f, false, 0.f, std::move(notes)}}};
}

TEST(Synthesizer, TunesMidiNotesToConcertPitch) {
    EXPECT_DOUBLE_EQ(Synthesizer::frequency(69), 440.0);
    EXPECT_NEAR(Synthesizer::frequency(81), 880.0, 1e-9);
    EXPECT_NEAR(Synthesizer::frequency(60), 261.6256, 1e-3);

    // A held square wave A4 crosses zero twice per cycle.
    const auto samples = Synthesizer::render(oneVoice(Wave::Square, {{0.0, 4.0, 69, 1.f}}));
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(2.0 * Synthesizer::kSampleRate));
    int crossings = 0;
    const std::size_t from = 2000;
    const std::size_t to = 40000;
    for (std::size_t i = from; i < to; ++i) {
        crossings += (samples[i - 1] < 0) != (samples[i] < 0);
    }
    const double seconds = static_cast<double>(to - from) / Synthesizer::kSampleRate;
    EXPECT_NEAR(crossings / 2.0 / seconds, 440.0, 9.0);
}

TEST(Synthesizer, NotesRingingPastTheEndSoundAtTheStartOfTheLoop) {
    // One note in the last beat, held past the loop's end.
    const auto samples = Synthesizer::render(oneVoice(Wave::Triangle, {{3.5, 1.0, 57, 1.f}}));
    auto loudness = [&](std::size_t from, std::size_t count) {
        int peak = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        }
        return peak;
    };
    // It ends a quarter second into the loop and dies away within a few release times.
    EXPECT_GT(loudness(0, 2000), 10000);
    EXPECT_EQ(loudness(14000, 16000), 0);
    EXPECT_GT(loudness(samples.size() - 2000, 2000), 10000);
    // Normalised to the headroom, not clipped.
    EXPECT_NEAR(loudness(0, samples.size()), Synthesizer::kPeak * 32767, 2);
}

TEST(Composition, LoopsOverWholeBarsWithEveryNoteInside) {
    const Score score = Composition::melancholyLoop();
    EXPECT_GE(score.seconds(), 3.0);
    EXPECT_LE(score.seconds(), 20.0);
    for (const auto& voice : score.voices) {
        ASSERT_FALSE(voice.notes.empty());
        for (const auto& note : voice.notes) {
            EXPECT_GE(note.beat, 0.0);
            EXPECT_LE(note.beat + note.length, score.beats() + 1e-9);
        }
    }
    // The tune stays in A minor (harmonic: G sharp only as the leading note).
    const int scale[] = {9, 11, 0, 2, 4, 5, 7, 8};
    for (const auto& note : score.voices.front().notes) {
        EXPECT_NE(std::find(std::begin(scale), std::end(scale), note.midi % 12), std::end(scale))
            << note.midi;
    }
}

} // namespace

#pragma once

#include "tools/assetgen/src/Score.hpp"

#include <cstdint>
#include <vector>

namespace assetgen {

// Renders a score to 16-bit mono samples, exactly one loop long. The score is played twice in a
// row and the second pass is kept, so notes and echoes that ring past the end of the loop sound
// again at its start and the track repeats without a click.
class Synthesizer {
public:
    static constexpr unsigned kSampleRate = 22050;
    // The loudest sample lands here, leaving headroom below full scale.
    static constexpr float kPeak = 0.72f;

    static std::vector<std::int16_t> render(const Score& score, unsigned sampleRate = kSampleRate);

    // Hertz of a MIDI note (A4 = 69 = 440 Hz).
    static double frequency(int midi);
};

} // namespace assetgen

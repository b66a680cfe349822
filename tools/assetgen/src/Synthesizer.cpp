#include "tools/assetgen/src/Synthesizer.hpp"

#include "tools/assetgen/src/Rng.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kAttack = 0.004;
constexpr double kRelease = 0.05;
constexpr double kGap = 0.02;       // silence between a note's end and the next, for articulation
constexpr double kEchoBeats = 0.75; // a dotted eighth
constexpr double kEchoFeedback = 0.35;
constexpr double kEchoMix = 0.3;
constexpr double kLowPassHz = 4500.0;

double oscillator(Wave wave, double phase, std::int64_t sampleIndex) {
    switch (wave) {
    case Wave::Square:
        return phase < 0.5 ? 1.0 : -1.0;
    case Wave::Pulse25:
        return (phase < 0.25 ? 1.0 : 0.0) * 2.0 - 0.5;
    case Wave::Pulse12:
        return (phase < 0.125 ? 1.0 : 0.0) * 2.0 - 0.25;
    case Wave::Triangle: {
        // Sixteen steps, like the triangle channel of old sound chips.
        const double tri = 1.0 - 4.0 * std::abs(phase - 0.5);
        return std::round(tri * 7.5) / 7.5;
    }
    case Wave::Noise:
        return hashUnit(static_cast<int>(sampleIndex / 2), 0, 977) * 2.0 - 1.0;
    case Wave::Kick:
        return std::sin(kTwoPi * phase);
    }
    return 0.0;
}

double envelope(const Voice& voice, double t, double gate) {
    auto held = [&](double s) {
        if (s < kAttack) {
            return s / kAttack;
        }
        return voice.sustain + (1.0 - voice.sustain) * std::exp(-(s - kAttack) / voice.decaySeconds);
    };
    if (t < gate) {
        return held(t);
    }
    return held(gate) * std::exp(-(t - gate) / kRelease);
}

// Adds one note starting at sample `start` into the dry mix and the echo send.
void renderNote(const Voice& voice, const Note& note, double secondsPerBeat, unsigned sampleRate,
                std::int64_t start, std::vector<double>& dry, std::vector<double>& send) {
    const double gate = std::max(0.01, note.length * secondsPerBeat - kGap);
    const double end = gate + kRelease * 6.0;
    const auto total = static_cast<std::int64_t>(dry.size());
    const double baseHz = Synthesizer::frequency(note.midi);
    double phase = 0.0;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(end * sampleRate); ++i) {
        const std::int64_t at = start + i;
        if (at >= total) {
            break;
        }
        const double t = static_cast<double>(i) / sampleRate;
        double hz = baseHz;
        if (voice.wave == Wave::Kick) {
            hz = 50.0 + 110.0 * std::exp(-t / 0.03);
        } else if (voice.vibrato && t > 0.2) {
            const double depth = std::min(1.0, (t - 0.2) / 0.3) * 0.18;
            hz *= std::pow(2.0, depth / 12.0 * std::sin(kTwoPi * 5.5 * t));
        }
        const double value =
            oscillator(voice.wave, phase, at) * envelope(voice, t, gate) * voice.volume * note.velocity;
        dry[static_cast<std::size_t>(at)] += value;
        send[static_cast<std::size_t>(at)] += value * voice.echo;
        phase += hz / sampleRate;
        phase -= std::floor(phase);
    }
}

} // namespace

double Synthesizer::frequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

std::vector<std::int16_t> Synthesizer::render(const Score& score, unsigned sampleRate) {
    const double secondsPerBeat = 60.0 / score.bpm;
    const auto loop = static_cast<std::int64_t>(std::llround(score.seconds() * sampleRate));
    std::vector<double> dry(static_cast<std::size_t>(loop * 2), 0.0);
    std::vector<double> send(dry.size(), 0.0);
    for (const auto& voice : score.voices) {
        for (const auto& note : voice.notes) {
            const auto start =
                static_cast<std::int64_t>(std::llround(note.beat * secondsPerBeat * sampleRate));
            for (int pass = 0; pass < 2; ++pass) {
                renderNote(voice, note, secondsPerBeat, sampleRate, start + pass * loop, dry, send);
            }
        }
    }

    const auto delay = static_cast<std::size_t>(std::llround(kEchoBeats * secondsPerBeat * sampleRate));
    std::vector<double> echo(dry.size(), 0.0);
    for (std::size_t i = delay; i < dry.size(); ++i) {
        echo[i] = send[i - delay] + kEchoFeedback * echo[i - delay];
    }
    const double alpha = 1.0 - std::exp(-kTwoPi * kLowPassHz / sampleRate);
    double smoothed = 0.0;
    std::vector<double> mixed(dry.size());
    for (std::size_t i = 0; i < dry.size(); ++i) {
        smoothed += alpha * (dry[i] + kEchoMix * echo[i] - smoothed);
        mixed[i] = smoothed;
    }

    const auto second = mixed.begin() + loop;
    double peak = 0.0;
    for (auto it = second; it != mixed.end(); ++it) {
        peak = std::max(peak, std::abs(*it));
    }
    const double gain = peak > 0.0 ? kPeak * 32767.0 / peak : 0.0;
    std::vector<std::int16_t> samples;
    samples.reserve(static_cast<std::size_t>(loop));
    for (auto it = second; it != mixed.end(); ++it) {
        samples.push_back(static_cast<std::int16_t>(std::lround(*it * gain)));
    }
    return samples;
}

} // namespace assetgen

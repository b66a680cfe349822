#include "tools/assetgen/src/Composition.hpp"

#include <array>

namespace assetgen {

namespace {

// MIDI note numbers.
constexpr int E2 = 40, F2 = 41, G2 = 43, A2 = 45, C3 = 48, D3 = 50;
constexpr int G4s = 68, A4 = 69, B4 = 71, C5 = 72, D5 = 74, E5 = 76, F5 = 77, G4 = 67, G5 = 79, A5 = 81;

struct Chord {
    int root;                 // bass root
    std::array<int, 3> tones; // arpeggio tones, low to high
};

constexpr std::array<Chord, 8> kChords = {{
    {A2, {57, 60, 64}}, // Am
    {F2, {57, 60, 65}}, // F
    {C3, {55, 60, 64}}, // C
    {G2, {55, 59, 62}}, // G
    {A2, {57, 60, 64}}, // Am
    {F2, {57, 60, 65}}, // F
    {D3, {57, 62, 65}}, // Dm
    {E2, {56, 59, 64}}, // E
}};

// (bar, beat in bar, length, pitch)
struct MelodyNote {
    int bar;
    double beat;
    double length;
    int midi;
};

constexpr MelodyNote kMelody[] = {
    {0, 0, 1, E5},     {0, 1, 0.5, D5}, {0, 1.5, 0.5, C5}, {0, 2, 1, D5},     {0, 3, 1, E5},
    {1, 0, 2, C5},     {1, 2, 1, A4},   {1, 3, 1, C5},     {2, 0, 1, G4},     {2, 1, 0.5, C5},
    {2, 1.5, 0.5, D5}, {2, 2, 1, E5},   {2, 3, 1, G5},     {3, 0, 1.5, F5},   {3, 1.5, 0.5, E5},
    {3, 2, 2, D5},     {4, 0, 1, E5},   {4, 1, 1, A5},     {4, 2, 0.5, G5},   {4, 2.5, 0.5, E5},
    {4, 3, 1, D5},     {5, 0, 1, C5},   {5, 1, 0.5, D5},   {5, 1.5, 0.5, C5}, {5, 2, 2, A4},
    {6, 0, 1, D5},     {6, 1, 1, F5},   {6, 2, 0.5, E5},   {6, 2.5, 0.5, D5}, {6, 3, 1, C5},
    {7, 0, 2, B4},     {7, 2, 1, G4s},
};

} // namespace

Score Composition::melancholyLoop() {
    Score score{100.0, 4, static_cast<int>(kChords.size()), {}};
    const int beatsPerBar = score.beatsPerBar;

    Voice lead{Wave::Square, 0.30f, 0.35f, 0.55f, true, 0.45f, {}};
    for (const auto& m : kMelody) {
        lead.notes.push_back({m.bar * beatsPerBar + m.beat, m.length, m.midi, 1.f});
    }

    // Sixteenth-note arpeggio up and down the chord, quietly under the tune.
    Voice arp{Wave::Pulse25, 0.09f, 0.12f, 0.25f, false, 0.2f, {}};
    constexpr int kArpOrder[] = {0, 1, 2, 1};
    for (std::size_t bar = 0; bar < kChords.size(); ++bar) {
        for (int step = 0; step < beatsPerBar * 4; ++step) {
            const int tone = kChords[bar].tones[static_cast<std::size_t>(kArpOrder[step % 4])];
            arp.notes.push_back({static_cast<double>(bar) * beatsPerBar + step * 0.25, 0.25, tone,
                                 step % 4 == 0 ? 1.f : 0.75f});
        }
    }

    // Bass: root, a pickup on the root, the fifth, the root again.
    Voice bass{Wave::Triangle, 0.42f, 0.4f, 0.7f, false, 0.f, {}};
    for (std::size_t bar = 0; bar < kChords.size(); ++bar) {
        const double top = static_cast<double>(bar) * beatsPerBar;
        const int root = kChords[bar].root;
        bass.notes.push_back({top, 1.5, root, 1.f});
        bass.notes.push_back({top + 1.5, 0.5, root, 0.8f});
        bass.notes.push_back({top + 2, 1, root + 7, 0.9f});
        bass.notes.push_back({top + 3, 1, root + 12, 0.8f});
    }

    // Laid-back drums: kick on one and the and of three, soft snare on two and four, hats between.
    Voice kick{Wave::Kick, 0.45f, 0.18f, 0.f, false, 0.f, {}};
    Voice snare{Wave::Noise, 0.10f, 0.09f, 0.f, false, 0.1f, {}};
    Voice hats{Wave::Noise, 0.035f, 0.025f, 0.f, false, 0.f, {}};
    for (int bar = 0; bar < score.bars; ++bar) {
        const double top = static_cast<double>(bar) * beatsPerBar;
        kick.notes.push_back({top, 0.5, 0, 1.f});
        kick.notes.push_back({top + 2.5, 0.5, 0, 0.8f});
        snare.notes.push_back({top + 1, 0.5, 0, 1.f});
        snare.notes.push_back({top + 3, 0.5, 0, 1.f});
        for (int eighth = 0; eighth < beatsPerBar * 2; ++eighth) {
            hats.notes.push_back({top + eighth * 0.5, 0.25, 0, eighth % 2 ? 1.f : 0.5f});
        }
    }

    score.voices = {lead, arp, bass, kick, snare, hats};
    return score;
}

} // namespace assetgen

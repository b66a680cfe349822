#pragma once

#include <vector>

namespace assetgen {

enum class Wave { Square, Pulse25, Pulse12, Triangle, Noise, Kick };

struct Note {
    double beat;   // start, in beats from the top of the loop
    double length; // in beats
    int midi;      // pitch; ignored by noise and kick
    float velocity = 1.f;
};

// One instrument line with its own sound.
struct Voice {
    Wave wave;
    float volume;
    float decaySeconds; // from the attack peak down to the sustain level
    float sustain;      // level held while the note lasts, as a fraction of the peak
    bool vibrato;
    float echo; // send to the shared echo, 0 to 1
    std::vector<Note> notes;
};

struct Score {
    double bpm;
    int beatsPerBar;
    int bars;
    std::vector<Voice> voices;

    double beats() const { return static_cast<double>(beatsPerBar) * bars; }
    double seconds() const { return beats() * 60.0 / bpm; }
};

} // namespace assetgen

#pragma once

namespace tarsk {

// The two need values of a creature, each between 0 and 100. Eating fills the first.
struct Needs {
    float first = 0.f;
    float second = 0.f;
};

} // namespace tarsk

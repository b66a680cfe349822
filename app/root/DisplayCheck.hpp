#pragma once

#include <string>

namespace tarsk {

// The window library ends the process when it finds no X server. Asked first, the program can
// say so and exit instead: an empty text when a display answers, else the reason.
std::string whyNoDisplay();

} // namespace tarsk

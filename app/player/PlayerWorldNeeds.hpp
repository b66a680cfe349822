#pragma once

#include <string>

namespace orv {
class WorldContainer;
}

namespace tarsk {

// Why the player cannot be in a world: empty when it can, else the systems it lacks. The player's
// world is drawn (render system); once it runs, every frame hands its physics and time systems
// the frame time. A world entered through a portal runs from then on.
std::string whyNoPlayerWorld(const orv::WorldContainer& container, bool runs);

} // namespace tarsk

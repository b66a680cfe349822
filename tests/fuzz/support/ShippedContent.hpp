#pragma once

#include "app/root/GameContent.hpp"

namespace fuzz {

// The game's registries and the shipped content under "./data" of the working folder, made
// on the first call and kept for the process, as the root state keeps them for the game's run.
tarsk::GameContent& shippedContent();

} // namespace fuzz

#pragma once

#include "tools/gamefile/src/HeadlessContent.hpp"

namespace fuzz {

// The root state's registries and the shipped content under "./data" of the working folder, made
// on the first call and kept for the process, as the root state keeps them for the game's run.
gamefile::HeadlessContent& shippedContent();

} // namespace fuzz

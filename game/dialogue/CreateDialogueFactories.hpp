#pragma once

#include "game/dialogue/DialogueFactory_base.hpp"

#include <memory>
#include <vector>

namespace tarsk {

// The game's dialogues: the demo text, and the two old men.
std::vector<std::unique_ptr<DialogueFactory_base>> createDialogueFactories();

} // namespace tarsk

#include "game/dialogue/DialogueFactory_base.hpp"

#include "game/dialogue/Dialogue.hpp"

#include <utility>

namespace tarsk {

DialogueFactory_base::DialogueFactory_base(std::string id) : id(std::move(id)) {}

DialogueFactory_base::~DialogueFactory_base() = default;

} // namespace tarsk

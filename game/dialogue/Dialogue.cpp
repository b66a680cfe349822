#include "game/dialogue/Dialogue.hpp"

#include <utility>

namespace tarsk {

Dialogue::Dialogue(std::string id) : id(std::move(id)) {}

Dialogue::~Dialogue() = default;

} // namespace tarsk

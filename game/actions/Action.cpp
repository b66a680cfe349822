#include "game/actions/Action.hpp"

namespace tarsk {

Action::~Action() = default;

} // namespace tarsk

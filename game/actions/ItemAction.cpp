#include "game/actions/ItemAction.hpp"

namespace tarsk {

ItemAction::~ItemAction() = default;

} // namespace tarsk

#pragma once

#include <vector>

namespace orv {
class Entity;
}

namespace tarsk {

// Whom one attack reached and whom it finished off.
struct AttackResult {
    std::vector<const orv::Entity*> hitEntities;
    std::vector<const orv::Entity*> killedEntities;
};

} // namespace tarsk

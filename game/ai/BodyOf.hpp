#pragma once

class b2Body;

namespace orv {
class Entity;
}

namespace tarsk {

// The entity's main physics body. A null entity, or one whose body is not in the simulation,
// throws std::logic_error instead of handing out a body that is not there.
const b2Body& bodyOf(const orv::Entity* entity);

} // namespace tarsk

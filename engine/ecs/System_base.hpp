#pragma once

#include "engine/common/Export.hpp"

namespace orv {

class World;
class WorldManager;

// Base of every system. Owner is the object whose system manager holds the system: a World
// for world systems, the WorldManager for manager-wide ones. The update priority is fixed at
// construction; lower priorities update first.
template <class T>
class System_base {
public:
    using Owner = T;

    ORV_API System_base() : System_base(0) {}
    ORV_API explicit System_base(int priority) : updatePriority(priority) {}
    System_base(const System_base&) = delete;
    System_base& operator=(const System_base&) = delete;

    // Learns the owner and connects to its signals; every system of the owner runs this before
    // any of them runs onInit.
    virtual void onPreInit(T* owner) = 0;
    virtual void onInit() = 0;
    virtual void onUpdate() = 0;
    ORV_API virtual ~System_base() {}

    ORV_API int getUpdatePriority() const { return updatePriority; }

private:
    int updatePriority;
};

extern template class System_base<World>;
extern template class System_base<WorldManager>;

} // namespace orv

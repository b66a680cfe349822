#pragma once

#include "engine/ecs/Entity.hpp"

#include <algorithm>
#include <functional>
#include <vector>

namespace tarsk {

// The bookkeeping of systems that follow the entities holding one component type.

template <class C>
void appendHolders(std::vector<const orv::Entity*>& list, const std::vector<const orv::Entity*>& batch) {
    for (const orv::Entity* entity : batch) {
        if (entity->findComponent<C>())
            list.push_back(entity);
    }
}

inline void eraseEntities(std::vector<const orv::Entity*>& list,
                          const std::vector<const orv::Entity*>& batch) {
    std::vector<const orv::Entity*> gone(batch);
    std::sort(gone.begin(), gone.end(), std::less<>());
    std::erase_if(list, [&gone](const orv::Entity* entity) {
        return std::binary_search(gone.begin(), gone.end(), entity, std::less<>());
    });
}

} // namespace tarsk

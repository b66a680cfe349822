#pragma once

#include "engine/common/Export.hpp"
#include "engine/common/TypeName.hpp"
#include "engine/ecs/MissingSystem.hpp"
#include "engine/ecs/System_base.hpp"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orv {

// The systems of one owner, one per type. Systems are registered first, initialised together
// once, and from then on updated in priority order (registration order among equals).
template <class S>
class SystemManager_base {
public:
    using System = S;
    using Owner = typename S::Owner;
    using SystemMap = std::unordered_map<std::type_index, std::unique_ptr<S>>;

    SystemManager_base() = default;
    SystemManager_base(const SystemManager_base&) = delete;
    SystemManager_base& operator=(const SystemManager_base&) = delete;
    // Systems die in reverse registration order, whatever the hash map's order: later systems
    // may lean on earlier ones until they are gone.
    virtual ~SystemManager_base() {
        updateList.clear();
        while (!registrationOrder.empty()) {
            systems.erase(registrationOrder.back());
            registrationOrder.pop_back();
        }
    }

    S* registerSystem(std::unique_ptr<S>&& system, const std::type_index& type) {
        std::unique_ptr<S> owned = std::move(system);
        if (initialised)
            throw std::logic_error(
                "Cannot add Systems after SystemManager has been initialized. SystemName: " + typeName(type));
        if (!owned)
            throw std::logic_error("Cannot register a null System. SystemName: " + typeName(type));
        auto [it, inserted] = systems.emplace(type, std::move(owned));
        if (!inserted)
            throw std::logic_error("Cannot register the same System more than once. SystemName: " +
                                   typeName(type));
        registrationOrder.push_back(type);
        updateList.push_back(it->second.get());
        return it->second.get();
    }

    template <class T, class... Args>
    T* registerSystem(Args&&... args) {
        return static_cast<T*>(registerSystem(std::make_unique<T>(std::forward<Args>(args)...), typeid(T)));
    }

    // Every onPreInit, then every onInit, in registration order; then the stable priority sort.
    // A throwing hook leaves the manager uninitialised and the list unsorted.
    ORV_API void initSystems(Owner& owner) {
        if (initialised)
            throw std::logic_error("SystemManager is already initialized");
        // By index: a hook may register further systems, which then join the later passes. Each
        // system has its onPreInit before any onInit that follows, also one registered by an
        // onInit.
        std::size_t preInitialised = 0;
        const auto preInitNewcomers = [&] {
            for (; preInitialised < updateList.size(); ++preInitialised)
                updateList[preInitialised]->onPreInit(&owner);
        };
        preInitNewcomers();
        for (std::size_t i = 0; i < updateList.size(); ++i) {
            updateList[i]->onInit();
            preInitNewcomers();
        }
        std::stable_sort(updateList.begin(), updateList.end(), [](const S* a, const S* b) {
            return a->getUpdatePriority() < b->getUpdatePriority();
        });
        initialised = true;
    }

    // Throws MissingSystem when there is none.
    template <class T>
    T* getSystem() const {
        if (T* found = findSystem<T>())
            return found;
        throw MissingSystem("System does not exist. SystemName: " + typeName<T>());
    }

    template <class T>
    T* findSystem() const {
        auto it = systems.find(typeid(T));
        return it == systems.end() ? nullptr : static_cast<T*>(it->second.get());
    }

    bool isInitialized() const { return initialised; }
    // Registration order until initSystems, update order after.
    const std::vector<S*>& getUpdateList() const { return updateList; }
    // Unordered: walk getUpdateList() wherever the order matters.
    const SystemMap& getSystems() const { return systems; }

protected:
    void updateSystems() {
        for (S* system : updateList)
            system->onUpdate();
    }

private:
    SystemMap systems;
    std::vector<std::type_index> registrationOrder;
    std::vector<S*> updateList;
    bool initialised = false;
};

extern template class SystemManager_base<System_base<World>>;
extern template class SystemManager_base<System_base<WorldManager>>;

} // namespace orv

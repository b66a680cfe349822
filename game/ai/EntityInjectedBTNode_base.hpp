#pragma once

#include <string>

namespace orv {
class Entity;
}

namespace tarsk {

// The entity a game node acts for. The AI system sets it once the entity is in a world; a node
// ticked before that has no owner and refuses to run.
class EntityInjectedBTNode_base {
public:
    EntityInjectedBTNode_base() = default;
    EntityInjectedBTNode_base(const EntityInjectedBTNode_base&) = delete;
    EntityInjectedBTNode_base& operator=(const EntityInjectedBTNode_base&) = delete;
    virtual ~EntityInjectedBTNode_base();

    void setEntity(const orv::Entity* entity) { owner = entity; }
    const orv::Entity* getEntity() const { return owner; }

protected:
    // The owner; throws std::logic_error while there is none.
    const orv::Entity& requireOwner() const;
    // Says once per tree why a node failed (AiManager::reportTreeFault).
    void reportFailure(const std::string& why) const;

private:
    const orv::Entity* owner = nullptr;
};

} // namespace tarsk

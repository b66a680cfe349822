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
    // Says once per tree why the named node fails (AiManager::reportTreeFault).
    void reportFailure(const std::string& node, const std::string& why) const;
    // Only from within a catch block. Says why the named node fails when the exception in flight
    // comes from content: an input it cannot use (UnusableNodeInput), a value that makes no sense
    // (std::invalid_argument, range and JSON errors, bt::RuntimeError) or an entity that lacks a
    // component (orv::MissingComponent). Any other exception is a fault of the program and is
    // thrown on.
    void reportContentFault(const std::string& node) const;

private:
    void report(const std::string& text) const;

    const orv::Entity* owner = nullptr;
};

} // namespace tarsk

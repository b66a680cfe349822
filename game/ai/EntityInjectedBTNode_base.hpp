#pragma once

#include <exception>
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
    // Whether a fault comes from content: an input the node cannot use (UnusableNodeInput), a value
    // that makes no sense (std::invalid_argument, range and JSON errors, bt::RuntimeError), an
    // entity that lacks a component (orv::MissingComponent) or a world that lacks a system
    // (orv::MissingSystem). Others are faults of the program.
    static bool isContentFault(const std::exception& fault);
    // Says once per tree why the named node fails for a content fault.
    void reportContentFault(const std::string& node, const std::exception& fault) const;

private:
    void report(const std::string& text) const;

    const orv::Entity* owner = nullptr;
};

} // namespace tarsk

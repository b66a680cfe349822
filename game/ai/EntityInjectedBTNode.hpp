#pragma once

#include "bt/ActionNodeBase.hpp"
#include "bt/ConditionNode.hpp"
#include "bt/CoroActionNode.hpp"
#include "bt/NodeConfiguration.hpp"
#include "bt/SyncActionNode.hpp"
#include "game/ai/EntityInjectedBTNode_base.hpp"

#include <concepts>
#include <exception>
#include <string>

namespace tarsk {

// The common base of the game's nodes: a library node that also knows its owning entity, so
// the AI component can hand every node of a tree its entity by one dynamic cast. A node that
// cannot run because of content (an input it cannot use, a value that makes no sense, an entity
// without a component or a world without a system it needs) fails, said once per tree, and the
// tree goes on as it does after any failure. Faults of the program itself are thrown on.
template <class Base>
requires std::same_as<Base, bt::SyncActionNode> || std::same_as<Base, bt::CoroActionNode> ||
    std::same_as<Base, bt::ActionNodeBase> || std::same_as<Base, bt::ConditionNode>
class EntityInjectedBTNode : public Base, public EntityInjectedBTNode_base {
public:
    EntityInjectedBTNode(const std::string& name, const bt::NodeConfiguration& config) : Base(name, config) {}

    bt::NodeStatus executeTick() override {
        try {
            return Base::executeTick();
        } catch (const std::exception& fault) {
            if (!isContentFault(fault))
                throw;
            reportContentFault(this->getName(), fault);
            // A failed node keeps no work in progress: its next tick reads its inputs afresh.
            this->halt();
            this->setStatus(bt::NodeStatus::FAILURE);
            return bt::NodeStatus::FAILURE;
        }
    }
};

} // namespace tarsk

#pragma once

#include "bt/ActionNodeBase.hpp"
#include "bt/ConditionNode.hpp"
#include "bt/CoroActionNode.hpp"
#include "bt/NodeConfiguration.hpp"
#include "bt/SyncActionNode.hpp"
#include "game/ai/EntityInjectedBTNode_base.hpp"
#include "game/ai/UnusableNodeInput.hpp"

#include <concepts>
#include <string>

namespace tarsk {

// The common base of the game's nodes: a library node that also knows its owning entity, so
// the AI component can hand every node of a tree its entity by one dynamic cast. A node whose
// input cannot be used fails, and the tree goes on as it does after any failure.
template <class Base>
requires std::same_as<Base, bt::SyncActionNode> || std::same_as<Base, bt::CoroActionNode> ||
    std::same_as<Base, bt::ActionNodeBase> || std::same_as<Base, bt::ConditionNode>
class EntityInjectedBTNode : public Base, public EntityInjectedBTNode_base {
public:
    EntityInjectedBTNode(const std::string& name, const bt::NodeConfiguration& config) : Base(name, config) {}

    bt::NodeStatus executeTick() override {
        try {
            return Base::executeTick();
        } catch (const UnusableNodeInput& missing) {
            reportFailure(missing.what());
            this->setStatus(bt::NodeStatus::FAILURE);
            return bt::NodeStatus::FAILURE;
        }
    }
};

} // namespace tarsk

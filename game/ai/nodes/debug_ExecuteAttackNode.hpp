#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"

#include <string>

namespace orv {
class Entity;
}

namespace tarsk {

class AttackManager;

// Makes the owner perform a fresh attack "attackId" through its fighter component. The attack
// is made anew on every tick, so no cooldown holds it back: trees pace their attacks themselves.
// An id the attack table lacks performs nothing and fails. "target" is read but not used: the
// attack finds its own victims.
class debug_ExecuteAttackNode : public EntityInjectedBTNode<bt::SyncActionNode> {
public:
    debug_ExecuteAttackNode(const std::string& name, const bt::NodeConfiguration& config,
                            const AttackManager& attacks);
    static bt::PortsList providedPorts() {
        return {bt::InputPort<const orv::Entity*>("target"), bt::InputPort<std::string>("attackId")};
    }

protected:
    bt::NodeStatus tick() override;

private:
    const AttackManager& attacks;
};

} // namespace tarsk

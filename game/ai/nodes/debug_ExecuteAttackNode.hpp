#pragma once

#include "bt/PortInfo.hpp"
#include "engine/signals/ScopedConnections.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"

#include <memory>
#include <string>

namespace orv {
class Entity;
}

namespace tarsk {

class Attack;
class AttackManager;

// Makes the owner perform attack "attackId" through its fighter component. The node keeps the
// attack it made and counts its cooldown on the frame time of the owner's world from the tick
// it was made in, so a fresh attack, like a used one, is ready only once its cooldown has passed.
// Fails while the attack cools down, and for an id the attack table lacks. "target" is read but
// not used: the attack finds its own victims.
class debug_ExecuteAttackNode : public EntityInjectedBTNode<bt::SyncActionNode> {
public:
    debug_ExecuteAttackNode(const std::string& name, const bt::NodeConfiguration& config,
                            const AttackManager& attacks);
    ~debug_ExecuteAttackNode() override;
    static bt::PortsList providedPorts() {
        return {bt::InputPort<const orv::Entity*>("target"), bt::InputPort<std::string>("attackId")};
    }

    // Null until the first tick made it.
    const Attack* getAttack() const { return attack.get(); }

protected:
    bt::NodeStatus tick() override;

private:
    const AttackManager& attacks;
    std::string attackId;
    std::unique_ptr<Attack> attack;
    smartsignals::ScopedConnections clock;
};

} // namespace tarsk

#include "game/ai/nodes/debug_ExecuteAttackNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "game/ai/NodeInputs.hpp"
#include "game/combat/Attack.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/combat/FighterComponent.hpp"

namespace tarsk {

debug_ExecuteAttackNode::debug_ExecuteAttackNode(const std::string& name, const bt::NodeConfiguration& config,
                                                 const AttackManager& attacks)
    : EntityInjectedBTNode(name, config), attacks(attacks) {}

bt::NodeStatus debug_ExecuteAttackNode::tick() {
    static_cast<void>(requiredInput<const orv::Entity*>(*this, "target"));
    const auto attackId = requiredInput<std::string>(*this, "attackId");
    const orv::Entity& owner = requireOwner();
    const std::unique_ptr<Attack> attack = attacks.createAttack(attackId);
    if (!attack)
        return bt::NodeStatus::FAILURE;
    owner.getComponent<FighterComponent>()->requestAttack(attack.get());
    return bt::NodeStatus::SUCCESS;
}

} // namespace tarsk

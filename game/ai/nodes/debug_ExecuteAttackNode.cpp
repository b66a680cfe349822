#include "game/ai/nodes/debug_ExecuteAttackNode.hpp"

#include "engine/ecs/Entity.hpp"
#include "engine/ecs/MissingComponent.hpp"
#include "engine/ecs/World.hpp"
#include "game/ai/NodeInputs.hpp"
#include "game/ai/WorldOf.hpp"
#include "game/combat/Attack.hpp"
#include "game/combat/AttackManager.hpp"
#include "game/combat/FighterComponent.hpp"
#include "game/time/TimeSystem.hpp"

namespace tarsk {

debug_ExecuteAttackNode::debug_ExecuteAttackNode(const std::string& name, const bt::NodeConfiguration& config,
                                                 const AttackManager& attacks)
    : EntityInjectedBTNode(name, config), attacks(attacks) {}

debug_ExecuteAttackNode::~debug_ExecuteAttackNode() = default;

bt::NodeStatus debug_ExecuteAttackNode::tick() {
    static_cast<void>(requiredInput<const orv::Entity*>(*this, "target"));
    const auto id = requiredInput<std::string>(*this, "attackId");
    const orv::Entity& owner = requireOwner();
    if (!attack || id != attackId) {
        clock.disconnectAll();
        attack = attacks.createAttack(id);
        attackId = id;
        if (!attack)
            return bt::NodeStatus::FAILURE;
        TimeSystem* time = worldOf(owner).getSystem<TimeSystem>();
        time->getTickSignal().connectTracked(clock,
                                             [this, time] { attack->updateCooldown(time->getFrameTime()); });
    }
    if (!attack->isReady())
        return bt::NodeStatus::FAILURE;
    FighterComponent* fighter = owner.getComponent<FighterComponent>();
    try {
        fighter->requestAttack(attack.get());
    } catch (const orv::MissingComponent& missing) {
        // The attack is carried out at once, and may need more of its attacker than the node does.
        throw orv::MissingComponent("attack \"" + attackId + "\": " + missing.what());
    }
    return bt::NodeStatus::SUCCESS;
}

} // namespace tarsk

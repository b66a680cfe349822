#include "game/ai/RegisterBTNodeData.hpp"

#include "bt/BehaviorTreeFactory.hpp"
#include "game/ai/nodes/FindTargetNode.hpp"
#include "game/ai/nodes/GetPositionXYNode.hpp"
#include "game/ai/nodes/GetTileIdAtPositionNode.hpp"
#include "game/ai/nodes/IdleFrameTimeNode.hpp"
#include "game/ai/nodes/IdleWorldTimeNode.hpp"
#include "game/ai/nodes/IsCloseToEntityNode.hpp"
#include "game/ai/nodes/IsCloseToGoalNode.hpp"
#include "game/ai/nodes/IsEntityRefValidNode.hpp"
#include "game/ai/nodes/SelectRandomPositionInCircleNode.hpp"
#include "game/ai/nodes/SteeringPursuitNode.hpp"
#include "game/ai/nodes/SteeringSeekNode.hpp"
#include "game/ai/nodes/SteeringSeekUntilReachedOrAbortedNode.hpp"
#include "game/ai/nodes/debug_ExecuteAttackNode.hpp"
#include "game/ai/nodes/debug_SetEntityToPositionNode.hpp"

#include <functional>

namespace tarsk {

void registerBTNodeData(bt::BehaviorTreeFactory& factory, const RandomNumberGenerator& random,
                        const AttackManager& attacks) {
    using Factory = bt::BehaviorTreeFactory;
    factory.registerNodeType<debug_SetEntityToPositionNode>("debug_SetEntityToPosition");
    factory.registerNodeType<GetPositionXYNode>("GetPositionXY");
    factory.registerNodeType<IdleFrameTimeNode>("IdleFrameTime");
    factory.registerNodeType<IdleWorldTimeNode>("IdleWorldTime");
    factory.registerNodeType<IsCloseToGoalNode>("IsCloseToGoal");
    factory.registerBuilder(
        Factory::buildManifest<SelectRandomPositionInCircleNode>("SelectRandomPositionInCircle"),
        [&random](const std::string& name, const bt::NodeConfiguration& config) {
            return std::make_unique<SelectRandomPositionInCircleNode>(name, config, random);
        });
    factory.registerNodeType<SteeringSeekNode>("SteeringSeek");
    factory.registerNodeType<SteeringSeekUntilReachedOrAbortedNode>("SteeringSeekUntilReachedOrAborted");
    factory.registerNodeType<GetTileIdAtPositionNode>("GetTileIdAtPosition");
    factory.registerNodeType<IsEntityRefValidNode>("IsEntityRefValid");
    factory.registerBuilder(Factory::buildManifest<debug_ExecuteAttackNode>("debug_ExecuteAttack"),
                            [&attacks](const std::string& name, const bt::NodeConfiguration& config) {
                                return std::make_unique<debug_ExecuteAttackNode>(name, config, attacks);
                            });
    factory.registerNodeType<FindTargetNode>("FindTarget");
    factory.registerNodeType<SteeringPursuitNode>("SteeringPursuit");
    factory.registerNodeType<IsCloseToEntityNode>("IsCloseToEntity");
}

} // namespace tarsk

#include "bt/BehaviorTreeFactory.hpp"

#include "bt/XmlTreeParser.hpp"
#include "bt/actions/AlwaysFailureNode.hpp"
#include "bt/actions/AlwaysSuccessNode.hpp"
#include "bt/controls/FallbackNode.hpp"
#include "bt/controls/ReactiveFallback.hpp"
#include "bt/controls/ReactiveSequence.hpp"
#include "bt/controls/SequenceNode.hpp"
#include "bt/decorators/DelayNode.hpp"
#include "bt/decorators/ForceFailureNode.hpp"
#include "bt/decorators/ForceSuccessNode.hpp"
#include "bt/decorators/InverterNode.hpp"
#include "bt/decorators/RepeatNode.hpp"
#include "bt/decorators/RetryNode.hpp"
#include "bt/decorators/TimeoutNode.hpp"

#include <algorithm>
#include <array>
#include <string_view>

namespace bt {

namespace {

// Element names with a meaning of their own in tree text.
constexpr std::array<std::string_view, 8> reservedIds{
    "root", "BehaviorTree", "TreeNodesModel", "SubTree", "Action", "Condition", "Control", "Decorator"};

} // namespace

BehaviorTreeFactory::BehaviorTreeFactory(std::shared_ptr<const Clock> clock) : clock(std::move(clock)) {
    if (!this->clock)
        throw LogicError("BehaviorTreeFactory needs a clock");
    registerBuiltins();
}

void BehaviorTreeFactory::registerBuiltins() {
    registerNodeType<SequenceNode>("Sequence");
    registerNodeType<FallbackNode>("Fallback");
    registerNodeType<ReactiveSequence>("ReactiveSequence");
    registerNodeType<ReactiveFallback>("ReactiveFallback");
    registerNodeType<InverterNode>("Inverter");
    registerNodeType<ForceSuccessNode>("ForceSuccess");
    registerNodeType<ForceFailureNode>("ForceFailure");
    registerNodeType<AlwaysSuccessNode>("AlwaysSuccess");
    registerNodeType<AlwaysFailureNode>("AlwaysFailure");
    registerNodeType<RepeatNode>("Repeat");
    registerNodeType<RetryNode>("RetryUntilSuccessful");
    // The timed nodes share the factory's clock, kept alive by the nodes themselves.
    const std::shared_ptr<const Clock> sharedClock = clock;
    registerBuilder(buildManifest<TimeoutNode>("Timeout"),
                    [sharedClock](const std::string& name, const NodeConfiguration& config) {
                        return std::make_unique<TimeoutNode>(name, config, sharedClock);
                    });
    registerBuilder(buildManifest<DelayNode>("Delay"),
                    [sharedClock](const std::string& name, const NodeConfiguration& config) {
                        return std::make_unique<DelayNode>(name, config, sharedClock);
                    });
    for (const auto& [id, registration] : registry)
        builtinIds.push_back(id);
}

void BehaviorTreeFactory::registerBuilder(const TreeNodeManifest& manifest, NodeBuilder builder) {
    const std::string& id = manifest.registrationId;
    if (id.empty())
        throw LogicError("a node type needs a registration id");
    if (std::find(reservedIds.begin(), reservedIds.end(), id) != reservedIds.end())
        throw LogicError("ID [", id, "] is reserved");
    if (registry.count(id))
        throw LogicError("ID [", id, "] already registered");
    if (manifest.type == NodeType::UNDEFINED || manifest.type == NodeType::SUBTREE)
        throw LogicError("ID [", id, "] needs the type Action, Condition, Control or Decorator");
    if (!builder)
        throw LogicError("ID [", id, "] needs a builder");
    registry.emplace(id, Registration{manifest, std::move(builder)});
}

void BehaviorTreeFactory::registerSimpleAction(const std::string& id, SimpleActionNode::TickFunctor functor,
                                               PortsList ports) {
    if (!functor)
        throw LogicError("ID [", id, "] needs a tick function");
    registerBuilder(TreeNodeManifest{NodeType::ACTION, id, std::move(ports)},
                    [functor](const std::string& name, const NodeConfiguration& config) {
                        return std::make_unique<SimpleActionNode>(name, functor, config);
                    });
}

void BehaviorTreeFactory::registerSimpleCondition(const std::string& id,
                                                  SimpleConditionNode::TickFunctor functor, PortsList ports) {
    if (!functor)
        throw LogicError("ID [", id, "] needs a tick function");
    registerBuilder(TreeNodeManifest{NodeType::CONDITION, id, std::move(ports)},
                    [functor](const std::string& name, const NodeConfiguration& config) {
                        return std::make_unique<SimpleConditionNode>(name, functor, config);
                    });
}

bool BehaviorTreeFactory::unregisterBuilder(const std::string& id) {
    return registry.erase(id) > 0;
}

const TreeNodeManifest* BehaviorTreeFactory::getManifest(const std::string& id) const {
    const auto it = registry.find(id);
    return it == registry.end() ? nullptr : &it->second.manifest;
}

std::vector<std::string> BehaviorTreeFactory::getRegisteredIds() const {
    std::vector<std::string> ids;
    ids.reserve(registry.size());
    for (const auto& [id, registration] : registry)
        ids.push_back(id);
    return ids;
}

std::unique_ptr<TreeNode> BehaviorTreeFactory::instantiateTreeNode(const std::string& name,
                                                                   const std::string& id,
                                                                   const NodeConfiguration& config) const {
    const auto it = registry.find(id);
    if (it == registry.end())
        throw RuntimeError("ID [", id, "] is not registered");
    std::unique_ptr<TreeNode> node = it->second.builder(name, config);
    if (!node)
        throw LogicError("the builder of ID [", id, "] returned no node");
    if (node->getType() != it->second.manifest.type)
        throw LogicError("the builder of ID [", id, "] made a node of type ", node->getType(),
                         ", registered as ", it->second.manifest.type);
    node->setRegistrationId(id);
    return node;
}

Tree BehaviorTreeFactory::createTreeFromText(const std::string& text, Blackboard::Ptr blackboard) const {
    if (!blackboard)
        blackboard = Blackboard::create();
    return parseTreeText(*this, text, std::move(blackboard));
}

} // namespace bt

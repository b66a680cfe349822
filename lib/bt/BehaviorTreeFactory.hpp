#pragma once

#include "bt/ActionNodeBase.hpp"
#include "bt/Blackboard.hpp"
#include "bt/Clock.hpp"
#include "bt/ConditionNode.hpp"
#include "bt/ControlNode.hpp"
#include "bt/DecoratorNode.hpp"
#include "bt/NodeConfiguration.hpp"
#include "bt/PortInfo.hpp"
#include "bt/SimpleActionNode.hpp"
#include "bt/SimpleConditionNode.hpp"
#include "bt/Tree.hpp"
#include "bt/TreeNode.hpp"
#include "bt/TreeNodeManifest.hpp"

#include <concepts>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace bt {

// Knows how to build every node type by its registration id, and builds trees from XML text.
// The built-in control, decorator and action nodes are registered at construction.
class BehaviorTreeFactory {
public:
    using NodeBuilder =
        std::function<std::unique_ptr<TreeNode>(const std::string& name, const NodeConfiguration&)>;

    // Timeout and Delay read `clock`; by default the steady clock.
    explicit BehaviorTreeFactory(std::shared_ptr<const Clock> clock = std::make_shared<SteadyClock>());

    // Throws LogicError for an id that is taken or reserved, an undefined node type or an empty
    // builder.
    void registerBuilder(const TreeNodeManifest& manifest, NodeBuilder builder);

    // T is made from (name, configuration), or from its name alone when it has no ports.
    template <class T>
    void registerNodeType(const std::string& id) {
        constexpr bool withConfig = std::is_constructible_v<T, const std::string&, const NodeConfiguration&>;
        static_assert(withConfig || std::is_constructible_v<T, const std::string&>,
                      "a node needs a constructor (name, configuration) or (name)");
        static_assert(withConfig || !hasProvidedPorts<T>,
                      "a node with ports needs a (name, configuration) constructor");
        registerBuilder(buildManifest<T>(id), [](const std::string& name, const NodeConfiguration& config) {
            if constexpr (withConfig)
                return std::unique_ptr<TreeNode>(std::make_unique<T>(name, config));
            else
                return std::unique_ptr<TreeNode>(std::make_unique<T>(name));
        });
    }

    void registerSimpleAction(const std::string& id, SimpleActionNode::TickFunctor functor,
                              PortsList ports = {});
    void registerSimpleCondition(const std::string& id, SimpleConditionNode::TickFunctor functor,
                                 PortsList ports = {});
    // Returns whether the id was registered.
    bool unregisterBuilder(const std::string& id);

    // Null for an id that is not registered.
    const TreeNodeManifest* getManifest(const std::string& id) const;
    // Every registered id, sorted.
    std::vector<std::string> getRegisteredIds() const;
    const std::vector<std::string>& getBuiltinIds() const { return builtinIds; }
    const std::shared_ptr<const Clock>& getClock() const { return clock; }

    static constexpr std::size_t defaultMaxTreeNodes = 10'000;
    std::size_t getMaxTreeNodes() const { return maxTreeNodes; }
    void setMaxTreeNodes(std::size_t limit) { maxTreeNodes = limit; }

    // Builds one node; RuntimeError for an unknown id, LogicError when the builder misbehaves.
    std::unique_ptr<TreeNode> instantiateTreeNode(const std::string& name, const std::string& id,
                                                  const NodeConfiguration& config) const;

    // A new tree with new nodes; its root blackboard is `blackboard` (a fresh one when null).
    // Bad text throws RuntimeError: also a tree of more than getMaxTreeNodes() nodes, and a
    // value for an input port that the port's type or test refuses.
    Tree createTreeFromText(const std::string& text, Blackboard::Ptr blackboard = nullptr) const;

    template <class T>
    static TreeNodeManifest buildManifest(const std::string& id) {
        TreeNodeManifest manifest{nodeTypeOf<T>(), id, {}};
        if constexpr (hasProvidedPorts<T>)
            manifest.ports = T::providedPorts();
        return manifest;
    }

private:
    template <class T>
    static constexpr bool hasProvidedPorts = requires {
        { T::providedPorts() } -> std::convertible_to<PortsList>;
    };

    template <class T>
    static constexpr NodeType nodeTypeOf() {
        static_assert(std::is_base_of_v<TreeNode, T>, "nodes derive from bt::TreeNode");
        if constexpr (std::is_base_of_v<ConditionNode, T>)
            return NodeType::CONDITION;
        else if constexpr (std::is_base_of_v<ActionNodeBase, T>)
            return NodeType::ACTION;
        else if constexpr (std::is_base_of_v<ControlNode, T>)
            return NodeType::CONTROL;
        else if constexpr (std::is_base_of_v<DecoratorNode, T>)
            return NodeType::DECORATOR;
        else
            return NodeType::UNDEFINED;
    }

    void registerBuiltins();

    struct Registration {
        TreeNodeManifest manifest;
        NodeBuilder builder;
    };
    std::map<std::string, Registration> registry;
    std::vector<std::string> builtinIds;
    std::shared_ptr<const Clock> clock;
    std::size_t maxTreeNodes = defaultMaxTreeNodes;
};

} // namespace bt

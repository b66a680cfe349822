#include "bt/XmlTreeParser.hpp"

#include "bt/AttributeLimit.hpp"
#include "bt/BehaviorTreeFactory.hpp"
#include "bt/decorators/SubTreeNode.hpp"

#include <tinyxml2.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace bt {

namespace {

using tinyxml2::XMLElement;

// Explicit forms name the node type in an ID attribute.
constexpr std::array<std::pair<std::string_view, NodeType>, 4> explicitForms{
    {{"Action", NodeType::ACTION},
     {"Condition", NodeType::CONDITION},
     {"Control", NodeType::CONTROL},
     {"Decorator", NodeType::DECORATOR}}};

int countChildElements(const XMLElement& element) {
    int count = 0;
    for (const XMLElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
        ++count;
    return count;
}

class Builder {
public:
    Builder(const BehaviorTreeFactory& factory, const XMLElement& root) : factory(factory) {
        collectTrees(root);
    }

    Tree build(const XMLElement& root, Blackboard::Ptr blackboard) {
        const std::string mainId = findMainTree(root);
        blackboards.push_back(blackboard);
        buildTree(mainId, blackboard, root.GetLineNum());
        return Tree(std::move(nodes), std::move(blackboards));
    }

private:
    void collectTrees(const XMLElement& root) {
        for (const XMLElement* element = root.FirstChildElement(); element;
             element = element->NextSiblingElement()) {
            const std::string_view name = element->Name();
            if (name == "TreeNodesModel")
                continue;
            if (name != "BehaviorTree")
                throw RuntimeError("unexpected element <", name, "> at line ", element->GetLineNum(),
                                   "; <root> holds <BehaviorTree> and <TreeNodesModel> elements");
            const char* id = element->Attribute("ID");
            const std::string key = id ? id : "";
            if (!trees.emplace(key, element).second)
                throw RuntimeError("BehaviorTree ID \"", key, "\" at line ", element->GetLineNum(),
                                   " is used twice");
        }
        if (trees.size() > 1 && trees.count(""))
            throw RuntimeError("BehaviorTree without ID at line ", trees.at("")->GetLineNum(),
                               "; trees need IDs when there are several");
    }

    std::string findMainTree(const XMLElement& root) const {
        if (const char* main = root.Attribute("main_tree_to_execute")) {
            if (!trees.count(main))
                throw RuntimeError("main tree \"", main, "\" named at line ", root.GetLineNum(),
                                   " does not exist");
            return main;
        }
        if (trees.size() != 1)
            throw RuntimeError(trees.empty()
                                   ? "no BehaviorTree in the text"
                                   : "no main tree: <root> needs main_tree_to_execute when it holds "
                                     "several trees");
        return trees.begin()->first;
    }

    TreeNode* buildTree(const std::string& id, const Blackboard::Ptr& blackboard, int line) {
        const auto found = trees.find(id);
        if (found == trees.end())
            throw RuntimeError("SubTree ID \"", id, "\" at line ", line, " names no BehaviorTree");
        if (std::find(treeStack.begin(), treeStack.end(), id) != treeStack.end())
            throw RuntimeError("SubTree ID \"", id, "\" at line ", line, " includes itself");
        const XMLElement& tree = *found->second;
        if (countChildElements(tree) != 1)
            throw RuntimeError("BehaviorTree \"", id, "\" at line ", tree.GetLineNum(),
                               " must hold exactly one node, not ", countChildElements(tree));
        treeStack.push_back(id);
        TreeNode* root = buildNode(*tree.FirstChildElement(), blackboard);
        treeStack.pop_back();
        return root;
    }

    TreeNode* buildNode(const XMLElement& element, const Blackboard::Ptr& blackboard) {
        const std::string_view tag = element.Name();
        if (tag == "SubTree")
            return buildSubTree(element, blackboard);
        const int line = element.GetLineNum();

        std::string id(tag);
        std::optional<NodeType> declaredType;
        for (const auto& [form, type] : explicitForms) {
            if (tag == form) {
                const char* explicitId = element.Attribute("ID");
                if (!explicitId)
                    throw RuntimeError("<", tag, "> at line ", line, " needs an ID attribute");
                id = explicitId;
                declaredType = type;
            }
        }
        const TreeNodeManifest* manifest = factory.getManifest(id);
        if (!manifest)
            throw RuntimeError("unknown node type \"", id, "\" at line ", line);
        if (declaredType && *declaredType != manifest->type)
            throw RuntimeError("node type \"", id, "\" at line ", line, " is registered as ", manifest->type,
                               ", not as ", *declaredType);

        std::string instanceName = id;
        NodeConfiguration config{blackboard, {}, {}};
        for (const tinyxml2::XMLAttribute* attribute = element.FirstAttribute(); attribute;
             attribute = attribute->Next()) {
            const std::string_view port = attribute->Name();
            const std::string_view value = attribute->Value();
            if (port == "name") {
                instanceName = value;
                continue;
            }
            if (declaredType && port == "ID")
                continue;
            const auto info = manifest->ports.find(std::string(port));
            if (info == manifest->ports.end())
                throw RuntimeError("node \"", id, "\" at line ", line, " has no port \"", port, "\"");
            if (info->second.isOutput() && !TreeNode::blackboardKey(value))
                throw RuntimeError("output port \"", port, "\" of node \"", id, "\" at line ", line,
                                   " must name a blackboard entry like {key}, not \"", value, "\"");
            if (info->second.isInput()) {
                checkInput(info->second, blackboard, value, port, id, line);
                config.inputPorts.emplace(port, value);
            }
            if (info->second.isOutput())
                config.outputPorts.emplace(port, value);
        }

        checkChildCount(element, id, manifest->type);
        checkRoomForNode(line);
        nodes.push_back(factory.instantiateTreeNode(instanceName, id, config));
        TreeNode* node = nodes.back().get();
        for (const XMLElement* child = element.FirstChildElement(); child;
             child = child->NextSiblingElement())
            attach(*node, buildNode(*child, blackboard));
        return node;
    }

    TreeNode* buildSubTree(const XMLElement& element, const Blackboard::Ptr& parentBlackboard) {
        const int line = element.GetLineNum();
        const char* id = element.Attribute("ID");
        if (!id)
            throw RuntimeError("<SubTree> at line ", line, " needs an ID attribute");
        if (countChildElements(element) != 0)
            throw RuntimeError("SubTree \"", id, "\" at line ", line, " cannot hold nodes");
        const bool shared = element.BoolAttribute("__shared_blackboard", false);

        Blackboard::Ptr blackboard = shared ? parentBlackboard : Blackboard::create(parentBlackboard);
        std::string instanceName = id;
        for (const tinyxml2::XMLAttribute* attribute = element.FirstAttribute(); attribute;
             attribute = attribute->Next()) {
            const std::string_view name = attribute->Name();
            const std::string_view value = attribute->Value();
            if (name == "ID" || name == "__shared_blackboard")
                continue;
            if (name == "name") {
                instanceName = value;
                continue;
            }
            if (shared)
                throw RuntimeError("SubTree \"", id, "\" at line ", line,
                                   " shares its parent's blackboard and takes no ports, not \"", name, "\"");
            if (const auto key = TreeNode::blackboardKey(value))
                blackboard->addSubtreeRemapping(std::string(name), std::string(*key));
            else
                blackboard->set(std::string(name), std::string(value));
        }
        if (!shared)
            blackboards.push_back(blackboard);

        checkRoomForNode(line);
        nodes.push_back(std::make_unique<SubTreeNode>(instanceName, id, blackboard));
        auto* node = static_cast<SubTreeNode*>(nodes.back().get());
        node->setRegistrationId("SubTree");
        node->setChild(buildTree(id, blackboard, line));
        return node;
    }

    // Sub-trees are copied wherever they are used, so a short text can stand for an enormous
    // tree: the count stops at the factory's limit, long before memory runs out.
    void checkRoomForNode(int line) const {
        if (nodes.size() >= factory.getMaxTreeNodes())
            throw RuntimeError("the tree has more than ", factory.getMaxTreeNodes(),
                               " nodes (sub-trees counted at each use); stopped at line ", line);
    }

    // A value written in the tree, or one a sub-tree's port wrote into the blackboard the port
    // reads, is converted and tested now: a text the node could not use stops the tree from
    // being made, rather than the game when the node first runs.
    static void checkInput(const PortInfo& info, const Blackboard::Ptr& blackboard, std::string_view value,
                           std::string_view port, const std::string& id, int line) {
        std::optional<std::string> text;
        if (const auto key = TreeNode::blackboardKey(value)) {
            const std::string name(*key);
            if (blackboard->getEntryType(name) == std::optional<std::type_index>(typeid(std::string)))
                text = blackboard->get<std::string>(name);
        } else {
            text = std::string(value);
        }
        if (!text)
            return;
        try {
            info.checkLiteral(*text);
        } catch (const std::exception& error) {
            throw RuntimeError("port \"", port, "\" of node \"", id, "\" at line ", line, ": ", error.what());
        }
    }

    static void checkChildCount(const XMLElement& element, const std::string& id, NodeType type) {
        const int count = countChildElements(element);
        const int line = element.GetLineNum();
        if ((type == NodeType::ACTION || type == NodeType::CONDITION) && count != 0)
            throw RuntimeError(type, " \"", id, "\" at line ", line, " cannot have children");
        if (type == NodeType::DECORATOR && count != 1)
            throw RuntimeError("decorator \"", id, "\" at line ", line, " needs exactly one child, not ",
                               count);
        if (type == NodeType::CONTROL && count == 0)
            throw RuntimeError("control node \"", id, "\" at line ", line, " needs at least one child");
    }

    static void attach(TreeNode& parent, TreeNode* child) {
        if (auto* control = dynamic_cast<ControlNode*>(&parent))
            control->addChild(child);
        else if (auto* decorator = dynamic_cast<DecoratorNode*>(&parent))
            decorator->setChild(child);
        else
            throw LogicError("node \"", parent.getName(), "\" is registered as a ", parent.getType(),
                             " but cannot take children");
    }

    const BehaviorTreeFactory& factory;
    std::map<std::string, const XMLElement*> trees;
    std::vector<std::string> treeStack;
    std::vector<std::unique_ptr<TreeNode>> nodes;
    std::vector<Blackboard::Ptr> blackboards;
};

} // namespace

Tree parseTreeText(const BehaviorTreeFactory& factory, const std::string& text, Blackboard::Ptr blackboard) {
    checkAttributeCounts(text);
    tinyxml2::XMLDocument document;
    if (document.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS)
        throw RuntimeError("invalid XML: ", document.ErrorStr());
    const XMLElement* root = document.RootElement();
    if (!root || std::string_view(root->Name()) != "root")
        throw RuntimeError("the tree text's top element must be <root>");
    Builder builder(factory, *root);
    return builder.build(*root, std::move(blackboard));
}

} // namespace bt

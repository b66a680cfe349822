#pragma once

#include "bt/PortInfo.hpp"
#include "game/ai/EntityInjectedBTNode.hpp"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv {
class Entity;
}

namespace tarsk {

class AiComponent;

// Picks the nearest fighter among the entities the owner detects, within "maxDist" (inclusive),
// that belongs to every faction of "requireFactions" and to none of "filterFactions" (both lists
// of names separated by '|', empty by default). Writes it, or null, to "target".
class FindTargetNode : public EntityInjectedBTNode<bt::SyncActionNode> {
public:
    using EntityInjectedBTNode::EntityInjectedBTNode;
    static bt::PortsList providedPorts() {
        return {bt::InputPort<std::string>("requireFactions"), bt::InputPort<std::string>("filterFactions"),
                bt::InputPort<float>("maxDist"), bt::OutputPort<const orv::Entity*>("target")};
    }

    // "a||b|" gives a and b: empty names are dropped.
    static std::vector<std::string> splitFactions(std::string_view text);

protected:
    bt::NodeStatus tick() override;

private:
    struct Criteria {
        float maxDist = 0.f;
        std::vector<std::string> required;
        std::vector<std::string> filtered;
    };

    Criteria readCriteria() const;

    // Inputs written as literals are parsed once; any read from the blackboard are read every tick.
    Criteria criteria;
    bool criteriaFixed = false;
    std::pair<const orv::Entity*, const AiComponent*> ownerAi{nullptr, nullptr};
};

} // namespace tarsk

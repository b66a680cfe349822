#include "game/ai/nodes/FindTargetNode.hpp"

#include "bt/Convert.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/transform/TransformationComponent.hpp"
#include "game/ai/AiComponent.hpp"
#include "game/ai/NodeInputs.hpp"
#include "game/combat/FighterComponent.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tarsk {

namespace {

bool contains(const std::vector<std::string>& list, const std::string& name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

bool qualifies(const std::vector<std::string>& factions, const std::vector<std::string>& required,
               const std::vector<std::string>& filtered) {
    const auto has = [&factions](const std::string& name) {
        return contains(factions, name);
    };
    return std::none_of(filtered.begin(), filtered.end(), has) &&
           std::all_of(required.begin(), required.end(), has);
}

} // namespace

std::vector<std::string> FindTargetNode::splitFactions(std::string_view text) {
    std::vector<std::string> names;
    for (const std::string_view part : bt::splitString(text, '|')) {
        if (!part.empty())
            names.emplace_back(part);
    }
    return names;
}

FindTargetNode::Criteria FindTargetNode::readCriteria() const {
    return {requiredInput<float>(*this, "maxDist"),
            splitFactions(optionalInput<std::string>(*this, "requireFactions", {})),
            splitFactions(optionalInput<std::string>(*this, "filterFactions", {}))};
}

bt::NodeStatus FindTargetNode::tick() {
    const orv::Entity& owner = requireOwner();
    // Components stay with their entity for good: one lookup per owner.
    if (ownerAi.first != &owner)
        ownerAi = {&owner, owner.getComponent<AiComponent>()};
    const std::vector<const orv::Entity*>& detected = ownerAi.second->getDetectedEntities();
    if (!criteriaFixed) {
        criteria = readCriteria();
        criteriaFixed = !readsBlackboard(*this, "maxDist") && !readsBlackboard(*this, "requireFactions") &&
                        !readsBlackboard(*this, "filterFactions");
    }
    // Most of a crowd sees nobody: no position to look up then.
    if (detected.empty()) {
        static_cast<void>(setOutput("target", static_cast<const orv::Entity*>(nullptr)));
        return bt::NodeStatus::FAILURE;
    }
    const sf::Vector2f position = owner.getComponent<orv::TransformationComponent>()->getPositionXY();

    const orv::Entity* best = nullptr;
    std::optional<float> bestDistance;
    for (const orv::Entity* candidate : detected) {
        if (candidate == &owner)
            continue;
        const FighterComponent* fighter = candidate->findComponent<FighterComponent>();
        if (!fighter)
            continue;
        const sf::Vector2f offset =
            candidate->getComponent<orv::TransformationComponent>()->getPositionXY() - position;
        const float distance = std::hypot(offset.x, offset.y);
        if (!(distance <= criteria.maxDist) ||
            !qualifies(fighter->getFactions(), criteria.required, criteria.filtered))
            continue;
        // Strictly nearer only: of equally near candidates the first detected stays.
        if (!bestDistance || distance < *bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    static_cast<void>(setOutput("target", best));
    return best ? bt::NodeStatus::SUCCESS : bt::NodeStatus::FAILURE;
}

} // namespace tarsk

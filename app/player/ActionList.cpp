#include "app/player/ActionList.hpp"

namespace tarsk {

bool ActionList::sameAs(const Actions& candidates) const {
    if (candidates.size() != actions.size())
        return false;
    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (candidates[i]->getDescription() != actions[i]->getDescription() ||
            candidates[i]->getTargetBounds() != actions[i]->getTargetBounds())
            return false;
    }
    return true;
}

bool ActionList::offer(Actions candidates) {
    if (sameAs(candidates))
        return false;
    actions = std::move(candidates);
    return true;
}

bool ActionList::executeFirst() {
    if (actions.empty())
        return false;
    std::unique_ptr<Action> first = std::move(actions.front());
    actions.clear();
    first->execute();
    return true;
}

} // namespace tarsk

#pragma once

#include "game/actions/Action.hpp"

#include <memory>
#include <vector>

namespace tarsk {

// The actions currently offered under the mouse. An offer of the same actions (descriptions and
// target areas, in the same order) keeps the current objects. An action that targets something
// else replaces them, as does running one: actions point at entities they do not own, and a run
// may have removed its target, so nothing stale is kept for the next offer to match.
class ActionList {
public:
    using Actions = std::vector<std::unique_ptr<Action>>;

    // Returns whether the list was replaced.
    bool offer(Actions candidates);
    // Runs the first action and empties the list; false when there is none.
    bool executeFirst();
    // Drops every action, for when one of their targets may be gone.
    void clear() { actions.clear(); }

    const Actions& getActions() const { return actions; }

private:
    bool sameAs(const Actions& candidates) const;

    Actions actions;
};

} // namespace tarsk

#include "engine/state/GameState.hpp"

#include <stdexcept>

namespace orv {

GameState::GameState() = default;

GameState::~GameState() = default;

void GameState::init() {
    onInit();
}

void GameState::update() {
    if (closed)
        throw std::runtime_error("orv::GameState::update(): cannot update closed GameState");
    onUpdate();
    walkAndRemove();
    onUpdate_late();
}

void GameState::walkAndRemove() {
    // Children appended during the walk sit at the end of the list and are reached too. A
    // teardown of this state's children (its destroy(), called by anyone) moves them off the
    // list under the walk: the walk ends there.
    const std::uint64_t walkedTeardowns = teardowns;
    for (auto it = subStates.begin(); it != subStates.end(); ++it) {
        GameState& child = **it;
        if (child.closed)
            continue;
        child.onUpdate();
        child.walkAndRemove();
        child.onUpdate_late();
        if (closed || teardowns != walkedTeardowns)
            break;
    }
    subStates.remove_if([](const std::unique_ptr<GameState>& child) { return child->closed; });
    destroyedSubStates.clear();
}

void GameState::close() {
    if (closed)
        return;
    closed = true;
    destroy();
}

bool GameState::isClosed() const {
    return closed;
}

void GameState::destroy() {
    for (auto& child : subStates) {
        if (!child->closed) {
            child->closed = true;
            child->destroy();
        }
    }
    destroyedSubStates.splice(destroyedSubStates.end(), subStates);
    ++teardowns;
    onDestroy();
    destroyed.emit();
}

void GameState::onUpdate_late() {}

} // namespace orv

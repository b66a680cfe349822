#pragma once

#include "engine/common/Export.hpp"
#include "engine/signals/Signal.hpp"

#include <cstdint>
#include <list>
#include <memory>

namespace orv {

// A node of the game-state tree. The tree is updated depth first once per frame; closed
// children are removed after the walk, and closing a state tears its sub-tree down.
class GameState {
public:
    using SubStates = std::list<std::unique_ptr<GameState>>;

    ORV_API GameState();
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;
    virtual ~GameState();

    ORV_API void init();
    ORV_API void update();
    ORV_API void close();
    ORV_API bool isClosed() const;
    ORV_API void destroy();

    // Derived states and toggles append their children here directly.
    SubStates& getSubStates() { return subStates; }
    const SubStates& getSubStates() const { return subStates; }
    smartsignals::Signal<void()>& getDestroyedSignal() { return destroyed; }

protected:
    virtual void onInit() = 0;
    virtual void onUpdate() = 0;
    ORV_API virtual void onUpdate_late();
    virtual void onDestroy() = 0;

private:
    void walkAndRemove();

    SubStates subStates;
    // Children torn down by destroy() may still be running further up the call stack (a child
    // that closed its parent); they are freed at the next removal step or with this state.
    SubStates destroyedSubStates;
    // Counts destroy() calls, so a walk notices that its list was emptied under it.
    std::uint64_t teardowns = 0;
    bool closed = false;
    smartsignals::Signal<void()> destroyed;
};

} // namespace orv

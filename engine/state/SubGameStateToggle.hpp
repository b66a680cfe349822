#pragma once

#include "engine/signals/ScopedConnections.hpp"
#include "engine/state/GameState.hpp"

#include <memory>
#include <type_traits>
#include <utility>

namespace orv {

// Opens at most one child of type T under a parent state, and forgets it once it is destroyed.
template <class T>
class SubGameStateToggle {
    static_assert(std::is_base_of_v<GameState, T>);

public:
    explicit SubGameStateToggle(GameState& parent) : parent(parent) {}
    SubGameStateToggle(const SubGameStateToggle&) = delete;
    SubGameStateToggle& operator=(const SubGameStateToggle&) = delete;

    template <class... Args>
    void toggle(Args&&... args) {
        if (active) {
            T* open = std::exchange(active, nullptr);
            connections.disconnectAll();
            open->close();
        } else {
            activate(std::forward<Args>(args)...);
        }
    }

    T* getActive() const { return active; }

private:
    template <class... Args>
    void activate(Args&&... args) {
        auto state = std::make_unique<T>(std::forward<Args>(args)...);
        state->init();
        T* raw = state.get();
        parent.getSubStates().push_back(std::move(state));
        active = raw;
        raw->getDestroyedSignal().connectTracked(connections, [this] {
            active = nullptr;
            connections.disconnectAll();
        });
    }

    GameState& parent;
    T* active = nullptr;
    smartsignals::ScopedConnections connections;
};

} // namespace orv

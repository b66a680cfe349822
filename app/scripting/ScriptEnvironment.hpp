#pragma once

#include "engine/signals/Signal.hpp"
#include "luabind/Environment.hpp"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orv {
class Entity;
class ScriptProvider;
} // namespace orv

namespace tarsk {

struct LoadedSavegame;

// The one environment console lines run in. Globals a line assigns stay here for later lines;
// reads fall through to the interpreter's globals. It publishes "player", "camera" and
// "savegame" (an opaque value) and the function "ref", which turns the printed address of an
// entity back into the entity. The game writes them raw: a metatable that a line gives the
// environment never runs for them.
class ScriptEnvironment {
public:
    using OutputSignal = smartsignals::Signal<void(const std::vector<std::string>&)>;
    static constexpr const char* successText = "success";
    // A line that runs longer, whatever it runs (its code, error handlers, string searches), is
    // stopped with an error, and the game goes on.
    static constexpr std::chrono::milliseconds timeBudget{1000};
    // So is a line that asks for more memory, all its allocations together.
    static constexpr std::uint64_t allocationBudget = std::uint64_t{256} << 20;

    // The provider's registration must be complete.
    explicit ScriptEnvironment(orv::ScriptProvider& provider);
    ScriptEnvironment(const ScriptEnvironment&) = delete;
    ScriptEnvironment& operator=(const ScriptEnvironment&) = delete;

    // Lines for the console; whoever has something to say emits them.
    OutputSignal& getOutputSignal() { return output; }

    void setCamera(const orv::Entity* entity);
    // For a camera entity about to go away: scripts must not reach it any more.
    void clearCamera();
    void setPlayer(const orv::Entity* entity);
    void clearPlayer();
    void setSavegame(LoadedSavegame* savegame);
    void clearSavegame();

    // One line: "success", or the error text of loading or running the code. Values the code
    // returns are dropped. A line is stopped after timeBudget or once it has allocated
    // allocationBudget bytes.
    std::vector<std::string> execute(const std::string& code);

    // The live entity printed as `address`, or null: only entities the environment can vouch for
    // (the player, the camera, any entity in a world of the loaded game) are handed out, so a
    // stale or made-up address never becomes a pointer.
    const orv::Entity* resolveReference(const std::string& address) const;

    const lua::Environment& getEnvironment() const { return environment; }

private:
    OutputSignal output;
    orv::ScriptProvider& provider;
    lua::Environment environment;
    std::optional<LoadedSavegame*> savegame;
    std::optional<const orv::Entity*> player;
    std::optional<const orv::Entity*> camera;
    // Expires with this environment; what Lua keeps of it asks first.
    std::shared_ptr<const ScriptEnvironment* const> self =
        std::make_shared<const ScriptEnvironment* const>(this);
};

} // namespace tarsk

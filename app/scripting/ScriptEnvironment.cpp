#include "app/scripting/ScriptEnvironment.hpp"

#include "app/savegame/LoadedSavegame.hpp"
#include "engine/ecs/Entity.hpp"
#include "engine/ecs/World.hpp"
#include "engine/ecs/WorldContainer.hpp"
#include "engine/ecs/WorldManager.hpp"
#include "engine/scripting/ScriptProvider.hpp"
#include "luabind/InstructionLimit.hpp"

#include <sstream>

namespace tarsk {

namespace {

std::optional<const void*> readAddress(const std::string& text) {
    std::istringstream in(text);
    void* address = nullptr;
    in >> address;
    if (in.fail())
        return std::nullopt;
    in >> std::ws;
    if (!in.eof())
        return std::nullopt;
    return address;
}

bool holds(const std::optional<const orv::Entity*>& slot, const void* address) {
    return slot && *slot && static_cast<const void*>(*slot) == address;
}

} // namespace

ScriptEnvironment::ScriptEnvironment(orv::ScriptProvider& provider)
    : provider(provider), environment(provider.createEnvironment()) {
    // The interpreter outlives this environment, and a finaliser run as it closes may still call
    // "ref": it then finds nothing.
    environment.rawSet("ref",
                       [alive = std::weak_ptr<const ScriptEnvironment* const>(self)](
                           const std::string& address) -> const orv::Entity* {
                           const auto environment = alive.lock();
                           return environment ? (*environment)->resolveReference(address) : nullptr;
                       });
}

void ScriptEnvironment::setCamera(const orv::Entity* entity) {
    camera = entity;
    environment.rawSet("camera", entity);
}

void ScriptEnvironment::clearCamera() {
    environment.rawSet("camera", lua::nil);
    camera.reset();
}

void ScriptEnvironment::setPlayer(const orv::Entity* entity) {
    player = entity;
    environment.rawSet("player", entity);
}

void ScriptEnvironment::clearPlayer() {
    environment.rawSet("player", lua::nil);
    player.reset();
}

void ScriptEnvironment::setSavegame(LoadedSavegame* game) {
    savegame = game;
    if (!game) {
        environment.rawSet("savegame", lua::nil);
        return;
    }
    // No members of the loaded game are bound: scripts only pass it around.
    lua_State* L = provider.luaState().handle();
    lua_pushlightuserdata(L, game);
    const lua::Reference value(L, -1);
    lua_pop(L, 1);
    environment.rawSet("savegame", value);
}

void ScriptEnvironment::clearSavegame() {
    environment.rawSet("savegame", lua::nil);
    savegame.reset();
}

std::vector<std::string> ScriptEnvironment::execute(const std::string& code) {
    try {
        // From the load on: finalisers due meanwhile run under the limit too.
        const lua::InstructionLimit limit(provider.luaState(), lua::InstructionLimit::unlimitedInstructions,
                                          allocationBudget, timeBudget);
        const lua::LoadResult chunk = provider.load(code);
        if (!chunk)
            return {chunk.message()};
        environment.setOn(chunk.function());
        const lua::CallResult run = chunk.function().protectedCall();
        if (!run)
            return {run.message()};
        // A finaliser that ran out of time raised into nowhere.
        if (limit.spent())
            return {lua::InstructionLimit::exhaustedText};
        return {successText};
    } catch (const lua::error& failure) {
        return {failure.what()};
    }
}

const orv::Entity* ScriptEnvironment::resolveReference(const std::string& text) const {
    const std::optional<const void*> address = readAddress(text);
    if (!address || !*address)
        return nullptr;
    if (holds(player, *address))
        return *player;
    if (holds(camera, *address))
        return *camera;
    if (!savegame || !*savegame || !(*savegame)->worldManager)
        return nullptr;
    // Compared as addresses only: nothing is read through a pointer until it is known to be live.
    for (const orv::WorldContainer* container : (*savegame)->worldManager->getWorldContainers())
        if (const orv::World* world = container->getWorld())
            for (const auto& owned : world->getEntities())
                if (static_cast<const void*>(owned.get()) == *address)
                    return owned.get();
    return nullptr;
}

} // namespace tarsk

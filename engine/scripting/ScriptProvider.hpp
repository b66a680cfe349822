#pragma once

#include "engine/common/TypeName.hpp"
#include "luabind/Lua.hpp"

#include <map>
#include <stdexcept>
#include <string>
#include <typeindex>
#include <utility>

namespace orv {

// The game's one Lua interpreter and the book of C++ types it knows. Only the "base" and "string"
// libraries are open, with loaders for text chunks only. Two phases: first types are registered (and some
// exposed in the global table "game"), then, after completeRegistration, environments are made and code is
// loaded.
//
//     provider.registerUsertype<sf::Vector2f>(lua::noConstructor, "x", &sf::Vector2f::x,
//                                             "y", &sf::Vector2f::y);
//     provider.exposeUsertype<sf::Vector2f>("Vec2f");   // game.Vec2f
//     provider.completeRegistration();
//     lua::Environment env = provider.createEnvironment();
//     env.set("player", playerEntity);                   // a bound T* (nil when null)
//     lua::LoadResult chunk = provider.load(line);       // not run yet
//     if (chunk) {
//         env.setOn(chunk.function());
//         lua::CallResult run = chunk.function().protectedCall();  // run.message() on failure
//     }
//
// Members are given as for lua::State::newUsertype (see luabind/State.hpp).
class ScriptProvider {
public:
    ScriptProvider();
    ScriptProvider(const ScriptProvider&) = delete;
    ScriptProvider& operator=(const ScriptProvider&) = delete;

    // Usertypes get no global name of their own: the global "" holds the latest one.
    template <class T, class... Members>
    void registerUsertype(lua::NoConstructor constructor, Members&&... members) {
        checkRegistrationOpen();
        checkNotRegistered<T>();
        lua::Table type = state.newUsertype<T>("", constructor, std::forward<Members>(members)...);
        const lua::Table globals = state.globals();
        globals.set("", type);
        usertypes.emplace(std::type_index(typeid(T)), globals.get<lua::Reference>(""));
    }

    // Publishes T's usertype table as game[name].
    template <class T>
    void exposeUsertype(const std::string& name) {
        checkRegistrationOpen();
        checkRegistered<T>();
        game.set(name, usertypes.at(std::type_index(typeid(T))));
    }

    // A use of a T after its object died raises `goneMessage` in Lua (see lua::State::watchUsertype).
    template <class T, class F>
    void watchUsertype(F watch, const std::string& goneMessage) {
        checkRegistrationOpen();
        checkRegistered<T>();
        state.watchUsertype<T>(std::move(watch), goneMessage);
    }

    // Also makes the globals, "game" and the library tables read-only to scripts.
    void completeRegistration();
    // A new environment over the globals.
    lua::Environment createEnvironment();
    // Compiles the code (text only, never a precompiled chunk) without running it.
    lua::LoadResult load(const std::string& code);

    void checkRegistrationOpen() const;

    template <class T>
    void checkNotRegistered() const {
        if (usertypes.contains(std::type_index(typeid(T))))
            throw std::runtime_error("usertype \"" + typeName<T>() + "\" is already registered");
    }

    template <class T>
    void checkRegistered() const {
        if (!usertypes.contains(std::type_index(typeid(T))))
            throw std::runtime_error("usertype \"" + typeName<T>() + "\" is not registered");
    }

    bool isRegistrationComplete() const { return registrationComplete; }
    lua::State& luaState() { return state; }
    const lua::Table& gameTable() const { return game; }
    const lua::Function& tostringFunction() const { return tostring; }

private:
    // Declared first so the references below are released before the interpreter closes.
    lua::State state;
    std::map<std::type_index, lua::Reference> usertypes;
    lua::Table game;
    lua::Function tostring;
    bool registrationComplete = false;
};

} // namespace orv

#pragma once

#include "luabind/Environment.hpp"
#include "luabind/LoadResult.hpp"
#include "luabind/Protected.hpp"
#include "luabind/StateAnchor.hpp"
#include "luabind/Table.hpp"
#include "luabind/Types.hpp"
#include "luabind/Usertype.hpp"

#include <lua.hpp>

#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>

namespace lua {

enum class Library { base, string, table, math, utf8, coroutine, os, io, package, debug };

// Owns one Lua interpreter; nothing is opened until asked for. Every operation of the layer that
// can fail inside Lua runs protected; a Lua panic (an error outside any protected call) still
// becomes a lua::error rather than an abort.
//
// Binding a class (values are never constructed from Lua; they come from C++):
//
//     struct Clock { int hour() const; void setHour(int); float drift; void tick(); void tick(int); };
//
//     lua::Table clockType = state.newUsertype<Clock>("Clock", lua::noConstructor,
//         "hour", lua::property(&Clock::hour, &Clock::setHour),       // read/write property
//         "drift", &Clock::drift,                                      // field
//         "tick", lua::overload(static_cast<void (Clock::*)()>(&Clock::tick),
//                               static_cast<void (Clock::*)(int)>(&Clock::tick)),
//         "describe", [](const Clock& c) { return std::to_string(c.hour()); });
//     state.globals().set("Clock", clockType);     // optional: the table of methods
//
// Then `Clock c` pushed anywhere (a Table::set, a function result) is an owned copy, `Clock*` or
// `Clock&` a borrowed pointer (null is nil) that must outlive its use in Lua, unless the type is
// watched (watchUsertype), in which case a use after the object died is a Lua error. Lua calls methods
// as `c:tick(2)`; a parameter `Clock&`/`const Clock&` refers to the object inside the Lua value,
// `Clock` takes a copy. Values of one usertype compare equal when they are the same C++ object,
// and print as "Clock: <address>". Converter.hpp lists the other conversions.
class State {
public:
    // What the finalisers that scripts left get together when the state closes.
    static constexpr std::chrono::milliseconds closingTime{1000};
    static constexpr std::uint64_t closingBytes = std::uint64_t{256} << 20;

    State();
    State(const State&) = delete;
    State& operator=(const State&) = delete;
    ~State();

    // The base library comes with loaders that take text chunks only (never from standard
    // input), a "rawset" that respects read-only tables, an "xpcall" whose handler an exhausted
    // InstructionLimit skips and a "setmetatable" whose finalisers run under the limit in force. The string
    // library's pattern functions and rep are ones an InstructionLimit can stop.
    void open(std::initializer_list<Library> libraries);

    lua_State* handle() const { return L; }
    Table globals() const;
    Table createTable() const;
    // Compiles text (never binary chunks) without running it. The chunk's messages name it after
    // its first line, as [string "..."].
    LoadResult load(const std::string& code) const;
    void collectGarbage();

    // Makes the globals read-only for Lua, and the library tables in them: code can read and call
    // them but changes nothing that other code sees. C++ cannot assign globals afterwards either.
    void sealGlobals();

    // Borrowed T pointers handed to Lua from now on watch the object's life through `watch`
    // (which gives a std::weak_ptr that expires when the object dies): using such a value after
    // the object is gone raises a Lua error with `goneMessage` instead of reaching freed memory.
    template <class T, class F>
    void watchUsertype(F watch, const std::string& goneMessage) {
        detail::StackGuard guard(L);
        detail::pushUsertypeMetatable(L, detail::metatableKey<T>(), typeid(T));
        detail::setLifeWatch(
            L, -1,
            [watch = std::move(watch)](const void* object) -> std::weak_ptr<const void> {
                return watch(*static_cast<const T*>(object));
            },
            goneMessage);
    }

    // Registers T under `name` (used in messages and by tostring; empty means the C++ name) with
    // the members given as name/member pairs, and returns the table of its methods. A member is a
    // function (its first parameter receives the object), a member function, a field pointer, a
    // lua::property / lua::readonly, or a lua::overload. Throws lua::error if T is registered.
    template <class T, class... Members>
    Table newUsertype(const std::string& name, NoConstructor, Members&&... members) {
        static_assert(BoundClass<T>, "usertypes are class types without a converter of their own");
        static_assert(sizeof...(Members) % 2 == 0, "members are given as name, member pairs");
        detail::UsertypeBuilder builder(L, detail::metatableKey<T>(),
                                        name.empty() ? demangle(typeid(T).name()) : name);
        detail::addMembers<T>(builder, std::forward<Members>(members)...);
        return builder.finish();
    }

private:
    std::shared_ptr<detail::StateAnchor> anchor;
    lua_State* L = nullptr;
};

} // namespace lua

#pragma once

#include "luabind/Callable.hpp"
#include "luabind/Converter.hpp"
#include "luabind/Protected.hpp"
#include "luabind/Reference.hpp"

#include <lua.hpp>

#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace lua {

namespace detail {

template <class K>
std::string keyText(const K& key) {
    if constexpr (std::is_integral_v<K>)
        return "[" + std::to_string(key) + "]";
    else
        return "'" + std::string(key) + "'";
}

template <class K>
std::string functionName(const K& key) {
    if constexpr (std::is_integral_v<K>)
        return "?";
    else
        return std::string(key);
}

// Pushes a value to be stored under `key`; functions take the key as their name for messages.
template <class K, class V>
void pushValueFor(lua_State* L, const K& key, V&& value) {
    using Plain = std::remove_cvref_t<V>;
    if constexpr (FunctionLike<Plain> || IsOverload<Plain>::value)
        pushFunction(L, std::forward<V>(value), functionName(key));
    else
        lua::push(L, std::forward<V>(value));
}

} // namespace detail

// A reference to a Lua table. get and set go through metamethods (so an environment's reads fall
// through to its fallback) and run protected: a failing metamethod throws lua::error. get<V>
// converts as Converter<V> does and throws lua::error when the value does not fit V; ask for
// std::optional<V> to accept nil. Functions and lambdas stored with set become Lua functions.
//
//     lua::Table t = state.createTable();
//     t.set("speed", 2.5f);
//     t.set("twice", [](float x) { return 2 * x; });
//     float speed = t.get<float>("speed");
class Table : public Reference {
public:
    static constexpr int luaType = LUA_TTABLE;

    Table() = default;
    // Throws lua::error unless the reference is to a table.
    explicit Table(Reference reference);

    template <class V, class K>
    V get(const K& key) const {
        lua_State* L = checkedState();
        detail::StackGuard guard(L);
        push(L);
        lua::push(L, key);
        detail::runProtected(L, &detail::indexTable, 2, 1);
        return convert<V>(L, key);
    }

    template <class K, class V>
    void set(const K& key, V&& value) const {
        lua_State* L = checkedState();
        detail::StackGuard guard(L);
        push(L);
        lua::push(L, key);
        detail::pushValueFor(L, key, std::forward<V>(value));
        detail::runProtected(L, &detail::assignTable, 3, 0);
    }

    // Without metamethods; these cannot fail inside Lua.
    template <class V, class K>
    V rawGet(const K& key) const {
        lua_State* L = checkedState();
        detail::StackGuard guard(L);
        push(L);
        lua::push(L, key);
        lua_rawget(L, -2);
        return convert<V>(L, key);
    }

    template <class K, class V>
    void rawSet(const K& key, V&& value) const {
        lua_State* L = checkedState();
        detail::StackGuard guard(L);
        push(L);
        lua::push(L, key);
        detail::pushValueFor(L, key, std::forward<V>(value));
        lua_rawset(L, -3);
    }

    std::optional<Table> metatable() const;
    // Replaces the metatable; an empty Table removes it.
    void setMetatable(const Table& metatable) const;
    // The raw length (#t without __len).
    std::size_t size() const;

private:
    template <class V, class K>
    static V convert(lua_State* L, const K& key) {
        try {
            return lua::get<V>(L, -1);
        } catch (const detail::ConversionError& e) {
            throw error("bad value at key " + detail::keyText(key) + " (" + e.what() + ")");
        }
    }
};

} // namespace lua

#pragma once

#include "luabind/Error.hpp"
#include "luabind/Types.hpp"

#include <lua.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <typeinfo>
#include <utility>

namespace lua::detail {

// Every full userdata the layer makes starts with this header. `object` points at the C++ object:
// into the block itself for values the userdata owns, elsewhere for borrowed pointers. `destroy`
// is set only for owned objects. A borrowed pointer of a watched usertype also keeps a watch on
// the object's life; once it has expired the object is gone and is never reached again.
struct UserdataHeader {
    void* object = nullptr;
    void (*destroy)(void*) = nullptr;
    bool watched = false;
    std::weak_ptr<const void> life;
};

// What a watched usertype keeps in its metatable: how to watch one of its objects.
using LifeWatch = std::function<std::weak_ptr<const void>(const void*)>;

// __gc of every layer userdata: destroys an owned object once and empties the header (an empty
// header is a gone object; its memory is Lua's to free).
int collectUserdata(lua_State* L);

// Stores the watch and the message for a gone object in the metatable at `metatable`.
void setLifeWatch(lua_State* L, int metatable, LifeWatch watch, const std::string& goneMessage);

// Registry key of the metatable of T's usertype.
template <class T>
const char* metatableKey() {
    static const std::string key = std::string("luabind.usertype.") + typeid(T).name();
    return key.c_str();
}

// Pushes a new userdata with room for a T after its header, already carrying `metatable` (at
// the given absolute index). Returns the header and the suitably aligned storage for the T.
std::pair<UserdataHeader*, void*> newUserdataBlock(lua_State* L, std::size_t size, std::size_t alignment,
                                                   int metatable);

// Starts the header's watch when the usertype (metatable at `metatable`) is watched.
void watchLife(lua_State* L, int metatable, UserdataHeader& header);

// Pushes the metatable of T's usertype; throws (leaving the stack as it was) if T has none.
void pushUsertypeMetatable(lua_State* L, const char* key, const std::type_info& type);

// The object of the T userdata at `index`, or null if the value is anything else. Throws
// lua::error with the usertype's message when the watched object is gone.
void* usertypeObject(lua_State* L, int index, const char* key);

// The usertype's name for messages, or the demangled C++ name before the type is registered.
std::string usertypeName(lua_State* L, const char* key, const std::type_info& type);

template <class T>
T* toObject(lua_State* L, int index) {
    return static_cast<T*>(usertypeObject(L, index, metatableKey<T>()));
}

// Pushes an owned copy (or moved value) of a bound object.
template <class T, class V>
void pushValue(lua_State* L, V&& value) {
    pushUsertypeMetatable(L, metatableKey<T>(), typeid(T));
    const int metatable = lua_gettop(L);
    auto [header, storage] = newUserdataBlock(L, sizeof(T), alignof(T), metatable);
    // The header stays empty until the object exists, so a throwing constructor leaves nothing
    // for __gc to destroy.
    try {
        header->object = new (storage) T(std::forward<V>(value));
    } catch (...) {
        lua_pop(L, 2);
        throw;
    }
    header->destroy = [](void* object) {
        static_cast<T*>(object)->~T();
    };
    lua_remove(L, metatable);
}

// Pushes a borrowed pointer to a bound object; null becomes nil. Constness is not kept: Lua
// sees a const object like any other.
template <class T>
void pushPointer(lua_State* L, const T* object) {
    if (!object) {
        lua_pushnil(L);
        return;
    }
    pushUsertypeMetatable(L, metatableKey<T>(), typeid(T));
    const int metatable = lua_gettop(L);
    auto [header, storage] = newUserdataBlock(L, 0, 1, metatable);
    (void)storage;
    header->object = const_cast<T*>(object);
    watchLife(L, metatable, *header);
    lua_remove(L, metatable);
}

} // namespace lua::detail

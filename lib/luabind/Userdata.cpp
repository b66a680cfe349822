#include "luabind/Userdata.hpp"

namespace lua::detail {

namespace {

constexpr const char* watchKey = "__luabind_watch";
constexpr const char* goneKey = "__luabind_gone";

struct WatchBlock {
    LifeWatch watch;
};

} // namespace

int collectUserdata(lua_State* L) {
    auto* header = static_cast<UserdataHeader*>(lua_touserdata(L, 1));
    if (!header)
        return 0;
    void* object = std::exchange(header->object, nullptr);
    if (object && header->destroy)
        header->destroy(object);
    // The header stays valid, emptied: Lua may still hand the value to code that runs later in
    // the same collection (or while the state closes), which then finds it gone.
    header->destroy = nullptr;
    header->life.reset();
    return 0;
}

void setLifeWatch(lua_State* L, int metatable, LifeWatch watch, const std::string& goneMessage) {
    metatable = lua_absindex(L, metatable);
    lua_newtable(L);
    const int blockMetatable = lua_gettop(L);
    lua_pushcfunction(L, &collectUserdata);
    lua_setfield(L, blockMetatable, "__gc");
    auto [header, storage] = newUserdataBlock(L, sizeof(WatchBlock), alignof(WatchBlock), blockMetatable);
    header->object = new (storage) WatchBlock{std::move(watch)};
    header->destroy = [](void* object) {
        static_cast<WatchBlock*>(object)->~WatchBlock();
    };
    lua_setfield(L, metatable, watchKey);
    lua_pop(L, 1);
    lua_pushlstring(L, goneMessage.data(), goneMessage.size());
    lua_setfield(L, metatable, goneKey);
}

void watchLife(lua_State* L, int metatable, UserdataHeader& header) {
    if (lua_getfield(L, metatable, watchKey) != LUA_TUSERDATA) {
        lua_pop(L, 1);
        return;
    }
    const auto* block =
        static_cast<const WatchBlock*>(static_cast<UserdataHeader*>(lua_touserdata(L, -1))->object);
    lua_pop(L, 1);
    // A watch already collected (the state is closing) leaves the life empty: the value is gone.
    if (block)
        header.life = block->watch(header.object);
    header.watched = true;
}

std::pair<UserdataHeader*, void*> newUserdataBlock(lua_State* L, std::size_t size, std::size_t alignment,
                                                   int metatable) {
    // Lua aligns userdata memory for its own largest scalar only; over-aligned types get slack.
    const std::size_t total = sizeof(UserdataHeader) + (size > 0 ? size + alignment - 1 : 0);
    void* block = lua_newuserdatauv(L, total, 0);
    auto* header = new (block) UserdataHeader{};
    lua_pushvalue(L, metatable);
    lua_setmetatable(L, -2);
    if (size == 0)
        return {header, nullptr};
    auto address = reinterpret_cast<std::uintptr_t>(header + 1);
    address = (address + alignment - 1) / alignment * alignment;
    return {header, reinterpret_cast<void*>(address)};
}

void pushUsertypeMetatable(lua_State* L, const char* key, const std::type_info& type) {
    if (lua_getfield(L, LUA_REGISTRYINDEX, key) != LUA_TTABLE) {
        lua_pop(L, 1);
        throw error("type \"" + demangle(type.name()) + "\" is not registered with Lua");
    }
}

void* usertypeObject(lua_State* L, int index, const char* key) {
    index = lua_absindex(L, index);
    if (lua_type(L, index) != LUA_TUSERDATA || !lua_getmetatable(L, index))
        return nullptr;
    lua_getfield(L, LUA_REGISTRYINDEX, key);
    const bool same = lua_rawequal(L, -1, -2);
    lua_pop(L, 1);
    if (!same) {
        lua_pop(L, 1);
        return nullptr;
    }
    const auto* header = static_cast<UserdataHeader*>(lua_touserdata(L, index));
    if (!header->object || (header->watched && header->life.expired())) {
        lua_getfield(L, -1, goneKey);
        std::string message =
            lua_type(L, -1) == LUA_TSTRING ? lua_tostring(L, -1) : "object no longer exists";
        lua_pop(L, 2);
        throw error(message);
    }
    lua_pop(L, 1);
    return header->object;
}

std::string usertypeName(lua_State* L, const char* key, const std::type_info& type) {
    std::string name;
    if (lua_getfield(L, LUA_REGISTRYINDEX, key) == LUA_TTABLE) {
        lua_pushliteral(L, "__name");
        lua_rawget(L, -2);
        if (lua_type(L, -1) == LUA_TSTRING)
            name = lua_tostring(L, -1);
        lua_pop(L, 1);
    }
    lua_pop(L, 1);
    return name.empty() ? demangle(type.name()) : name;
}

} // namespace lua::detail

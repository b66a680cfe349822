#include "luabind/TextChunks.hpp"

#include <lua.hpp>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lua::detail {

namespace {

// Pushes why the file named at `index` must not be read, or returns false. Standard input is
// never read (a game started from a terminal or pipe would wait for it), nor anything but a
// regular file: a FIFO blocks, a device may never end.
bool refuseSource(lua_State* L, int index) {
    const char* name = lua_type(L, index) == LUA_TSTRING ? lua_tostring(L, index) : nullptr;
    if (!name) {
        lua_pushliteral(L, "cannot read standard input");
        return true;
    }
    const int fd = ::open(name, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false; // Lua's loader reports it
    struct stat file {};
    struct stat input {};
    const bool regular = ::fstat(fd, &file) == 0 && S_ISREG(file.st_mode);
    const bool isInput =
        ::fstat(STDIN_FILENO, &input) == 0 && input.st_dev == file.st_dev && input.st_ino == file.st_ino;
    ::close(fd);
    if (regular && !isInput)
        return false;
    lua_pushfstring(L, "cannot read %s (%s)", name, isInput ? "standard input" : "not a regular file");
    return true;
}

// Calls the original loader (upvalue 1) with the mode argument (at upvalue 2's index) forced to
// text. Arguments after the mode keep their presence: "load" tells a nil environment from none.
int loadAsText(lua_State* L) {
    const int modeIndex = static_cast<int>(lua_tointeger(L, lua_upvalueindex(2)));
    if (lua_gettop(L) < modeIndex)
        lua_settop(L, modeIndex);
    lua_pushliteral(L, "t");
    lua_replace(L, modeIndex);
    const int arguments = lua_gettop(L);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, arguments, LUA_MULTRET);
    return lua_gettop(L);
}

// loadfile through the original (upvalue 1), for readable files only.
int loadTextFile(lua_State* L) {
    luaL_optstring(L, 1, nullptr);
    if (refuseSource(L, 1)) {
        lua_pushnil(L);
        lua_insert(L, -2);
        return 2;
    }
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    return lua_gettop(L);
}

int doTextFile(lua_State* L) {
    const char* name = luaL_optstring(L, 1, nullptr);
    lua_settop(L, 1);
    if (refuseSource(L, 1))
        return lua_error(L);
    if (luaL_loadfilex(L, name, "t") != LUA_OK)
        return lua_error(L);
    lua_call(L, 0, LUA_MULTRET);
    return lua_gettop(L) - 1;
}

void wrapLoader(lua_State* L, const char* name, int modeIndex) {
    if (lua_getglobal(L, name) != LUA_TFUNCTION) {
        lua_pop(L, 1);
        return;
    }
    lua_pushinteger(L, modeIndex);
    lua_pushcclosure(L, &loadAsText, 2);
    lua_setglobal(L, name);
}

} // namespace

int restrictLoadersToText(lua_State* L) {
    wrapLoader(L, "load", 3);
    wrapLoader(L, "loadfile", 2);
    lua_getglobal(L, "loadfile");
    lua_pushcclosure(L, &loadTextFile, 1);
    lua_setglobal(L, "loadfile");
    lua_pushcfunction(L, &doTextFile);
    lua_setglobal(L, "dofile");
    return 0;
}

} // namespace lua::detail

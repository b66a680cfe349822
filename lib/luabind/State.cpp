#include "luabind/State.hpp"

#include "luabind/GuardedBase.hpp"
#include "luabind/InstructionLimit.hpp"
#include "luabind/Protected.hpp"
#include "luabind/ReadOnly.hpp"
#include "luabind/StringLibrary.hpp"
#include "luabind/TextChunks.hpp"

#include <cstdlib>

namespace lua {

namespace {

// The standard allocator, refusing growth past what a limit in force allows; Lua then raises its
// memory error, and every later growth under that limit is refused too. Shrinking and freeing
// always succeed.
void* allocate(void* anchorData, void* block, std::size_t oldSize, std::size_t newSize) {
    if (newSize == 0) {
        std::free(block);
        return nullptr;
    }
    auto& anchor = *static_cast<detail::StateAnchor*>(anchorData);
    // Without a block, the old size names the kind of object being made.
    const std::size_t held = block ? oldSize : 0;
    if (newSize > held) {
        if (newSize - held > anchor.allocationLeft) {
            anchor.allocationLeft = 0;
            return nullptr;
        }
        anchor.allocationLeft -= newSize - held;
    }
    return std::realloc(block, newSize);
}

[[noreturn]] int panic(lua_State* L) {
    const char* message = lua_type(L, -1) == LUA_TSTRING ? lua_tostring(L, -1) : nullptr;
    throw error(message ? message : "unprotected Lua error");
}

// Raises a Lua error past an object with a destructor. The C++ build of Lua unwinds the stack
// and runs it; the longjmp build jumps over it.
int raisePastDestructor(lua_State* L) {
    struct Mark {
        bool* ran;
        ~Mark() { *ran = true; }
    } mark{static_cast<bool*>(lua_touserdata(L, 1))};
    lua_pushliteral(L, "probe");
    return lua_error(L);
}

bool errorsRunDestructors(lua_State* L) {
    bool ran = false;
    lua_pushcfunction(L, &raisePastDestructor);
    lua_pushlightuserdata(L, &ran);
    lua_pcall(L, 1, 0, 0);
    lua_pop(L, 1);
    return ran;
}

struct LibraryEntry {
    const char* name;
    lua_CFunction open;
};

LibraryEntry entryOf(Library library) {
    switch (library) {
    case Library::base:
        return {LUA_GNAME, luaopen_base};
    case Library::string:
        return {LUA_STRLIBNAME, luaopen_string};
    case Library::table:
        return {LUA_TABLIBNAME, luaopen_table};
    case Library::math:
        return {LUA_MATHLIBNAME, luaopen_math};
    case Library::utf8:
        return {LUA_UTF8LIBNAME, luaopen_utf8};
    case Library::coroutine:
        return {LUA_COLIBNAME, luaopen_coroutine};
    case Library::os:
        return {LUA_OSLIBNAME, luaopen_os};
    case Library::io:
        return {LUA_IOLIBNAME, luaopen_io};
    case Library::package:
        return {LUA_LOADLIBNAME, luaopen_package};
    case Library::debug:
        return {LUA_DBLIBNAME, luaopen_debug};
    }
    throw error("unknown Lua library");
}

// (name, opener): opens the library and sets its global.
int requireLibrary(lua_State* L) {
    luaL_requiref(L, lua_tostring(L, 1), lua_tocfunction(L, 2), 1);
    return 0;
}

} // namespace

State::State() : anchor(std::make_shared<detail::StateAnchor>()) {
    L = lua_newstate(&allocate, anchor.get());
    if (!L)
        throw error("cannot create a Lua state");
    anchor->main = L;
    *static_cast<detail::StateAnchor**>(lua_getextraspace(L)) = anchor.get();
    lua_atpanic(L, &panic);
    if (!errorsRunDestructors(L)) {
        anchor->open = false;
        lua_close(L);
        throw error("this Lua library raises errors with longjmp; link its C++ build (lua5.4-c++)");
    }
}

State::~State() {
    // Closed first, so references released by finalisers during lua_close leave the state alone.
    anchor->open = false;
    detail::closeWithin(L, closingTime, closingBytes);
    anchor->main = nullptr;
}

void State::open(std::initializer_list<Library> libraries) {
    detail::StackGuard guard(L);
    for (Library library : libraries) {
        const LibraryEntry entry = entryOf(library);
        lua_pushstring(L, entry.name);
        lua_pushcfunction(L, entry.open);
        detail::runProtected(L, &requireLibrary, 2, 0);
        if (library == Library::base) {
            detail::runProtected(L, &detail::restrictLoadersToText, 0, 0);
            detail::runProtected(L, &detail::replaceRawset, 0, 0);
            detail::runProtected(L, &detail::guardBaseLibrary, 0, 0);
        }
        if (library == Library::string)
            detail::runProtected(L, &detail::boundStringLibrary, 0, 0);
    }
}

namespace {

int sealGlobalTable(lua_State* L) {
    // Strings share one metatable whose __index is the string library.
    lua_pushliteral(L, "");
    if (lua_getmetatable(L, -1)) {
        lua_pushboolean(L, 0);
        lua_setfield(L, -2, "__metatable");
    }
    lua_settop(L, 0);
    lua_pushglobaltable(L);
    detail::sealInPlace(L, 1);
    return 0;
}

} // namespace

void State::sealGlobals() {
    detail::StackGuard guard(L);
    detail::runProtected(L, &sealGlobalTable, 0, 0);
}

Table State::globals() const {
    detail::StackGuard guard(L);
    lua_pushglobaltable(L);
    return Table(Reference(L, -1));
}

Table State::createTable() const {
    detail::StackGuard guard(L);
    lua_newtable(L);
    return Table(Reference(L, -1));
}

LoadResult State::load(const std::string& code) const {
    detail::StackGuard guard(L);
    const int status = detail::loadTextInPieces(L, code, code.c_str());
    if (status != LUA_OK)
        return LoadResult::failure(detail::popErrorText(L, status));
    return LoadResult(Function(Reference(L, -1)));
}

void State::collectGarbage() {
    lua_gc(L, LUA_GCCOLLECT);
}

} // namespace lua

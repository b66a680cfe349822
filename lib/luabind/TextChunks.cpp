#include "luabind/TextChunks.hpp"

#include "engine/resources/RegularFile.hpp"
#include "luabind/InstructionLimit.hpp"

#include <lua.hpp>

#include <algorithm>
#include <exception>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace lua::detail {

namespace {

// The parser takes this much of a chunk between two looks at the clock.
constexpr std::size_t pieceSize = 4096;

struct TextPieces {
    std::string_view left;
};

const char* readPiece(lua_State* L, void* data, std::size_t* size) {
    checkDeadline(L);
    std::string_view& left = static_cast<TextPieces*>(data)->left;
    const std::string_view piece = left.substr(0, pieceSize);
    left.remove_prefix(piece.size());
    *size = piece.size();
    return piece.empty() ? nullptr : piece.data();
}

// The reader "load" gets instead of a chunk: hands over in pieces the string (upvalue 2) that the
// reader function given (upvalue 1, or nil for a string chunk) returned, from offset upvalue 3.
// A short string, a number or nil goes to "load" as the function returned it, as do its errors.
// Being called from C, each call looks at the clock.
int readChunkInPieces(lua_State* L) {
    std::size_t length = 0;
    const char* text = lua_tolstring(L, lua_upvalueindex(2), &length);
    auto offset = static_cast<std::size_t>(lua_tointeger(L, lua_upvalueindex(3)));
    if (offset >= length) {
        if (lua_isnil(L, lua_upvalueindex(1)))
            return 0;
        lua_pushvalue(L, lua_upvalueindex(1));
        lua_call(L, 0, 1);
        const int type = lua_type(L, -1);
        if (type != LUA_TNIL && type != LUA_TSTRING && type != LUA_TNUMBER) {
            // Said where the code that called load stands (level 3: above this reader, the
            // original load and loadAsText), as Lua's own load says it.
            luaL_where(L, 3);
            lua_pushliteral(L, "reader function must return a string");
            lua_concat(L, 2);
            return lua_error(L);
        }
        if (type != LUA_TSTRING || lua_rawlen(L, -1) <= pieceSize)
            return 1;
        lua_pushvalue(L, -1);
        lua_replace(L, lua_upvalueindex(2));
        text = lua_tolstring(L, -1, &length);
        offset = 0;
    }
    const std::size_t piece = std::min(pieceSize, length - offset);
    lua_pushlstring(L, text + offset, piece);
    lua_pushinteger(L, static_cast<lua_Integer>(offset + piece));
    lua_replace(L, lua_upvalueindex(3));
    return 1;
}

// Replaces load's chunk (argument 1), a string or a reader function, by a reader that hands it
// over in pieces. A string chunk names itself unless a name is given, as Lua's load has it.
void readInPieces(lua_State* L) {
    const int type = lua_type(L, 1);
    if (type == LUA_TSTRING || type == LUA_TNUMBER) {
        if (lua_isnil(L, 2)) {
            lua_pushvalue(L, 1);
            lua_tostring(L, -1);
            lua_replace(L, 2);
        }
        lua_pushnil(L);
        lua_pushvalue(L, 1);
        lua_tostring(L, -1);
    } else {
        lua_pushvalue(L, 1);
        lua_pushliteral(L, "");
    }
    lua_pushinteger(L, 0);
    lua_pushcclosure(L, &readChunkInPieces, 3);
    lua_replace(L, 1);
}

// load(chunk [, name [, mode [, env]]]) through the original (upvalue 1), the mode forced to
// text and the chunk handed over in pieces. An environment keeps its presence: load tells a nil
// environment from none.
int loadAsText(lua_State* L) {
    constexpr int modeIndex = 3;
    // Checked before the arguments are filled up, so the message is Lua's own.
    if (const int type = lua_type(L, 1); type != LUA_TSTRING && type != LUA_TNUMBER)
        luaL_checktype(L, 1, LUA_TFUNCTION);
    if (lua_gettop(L) < modeIndex)
        lua_settop(L, modeIndex);
    lua_pushliteral(L, "t");
    lua_replace(L, modeIndex);
    readInPieces(L);
    const int arguments = lua_gettop(L);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, arguments, LUA_MULTRET);
    return lua_gettop(L);
}

// Whether the file is the game's standard input: a regular file can be, for a game started with
// `< file`, and the console never reads what the game is fed.
bool isStandardInput(const char* name) {
    struct stat file {};
    struct stat input {};
    return ::stat(name, &file) == 0 && ::fstat(STDIN_FILENO, &input) == 0 && file.st_dev == input.st_dev &&
           file.st_ino == input.st_ino;
}

// Pushes the text chunk of the file named by argument 1 and returns true, or pushes the reason
// and returns false. The file is read like every other file of the game (orv::readRegularFile):
// a pipe or a device is refused rather than waited on. Without a name Lua would read standard
// input: refused too.
bool loadTextFile(lua_State* L) {
    const char* name = luaL_optstring(L, 1, nullptr);
    if (!name || isStandardInput(name)) {
        lua_pushliteral(L, "cannot read standard input");
        return false;
    }
    std::string text;
    try {
        text = orv::readRegularFile(name, orv::FileLimit::Content);
    } catch (const std::exception& error) {
        lua_pushstring(L, error.what());
        return false;
    }
    const std::string chunkName = std::string("@") + name;
    return loadTextInPieces(L, text, chunkName.c_str()) == LUA_OK;
}

// loadfile(name [, mode [, env]]): the mode is always text.
int loadTextFileChunk(lua_State* L) {
    const bool withEnvironment = !lua_isnone(L, 3);
    if (!loadTextFile(L)) {
        luaL_pushfail(L);
        lua_insert(L, -2);
        return 2;
    }
    if (withEnvironment) {
        lua_pushvalue(L, 3);
        if (!lua_setupvalue(L, -2, 1))
            lua_pop(L, 1);
    }
    return 1;
}

int doTextFile(lua_State* L) {
    lua_settop(L, 1);
    if (!loadTextFile(L))
        return lua_error(L);
    lua_call(L, 0, LUA_MULTRET);
    return lua_gettop(L) - 1;
}

} // namespace

int loadTextInPieces(lua_State* L, std::string_view text, const char* chunkName) {
    TextPieces pieces{text};
    return lua_load(L, &readPiece, &pieces, chunkName, "t");
}

int restrictLoadersToText(lua_State* L) {
    if (lua_getglobal(L, "load") == LUA_TFUNCTION) {
        lua_pushcclosure(L, &loadAsText, 1);
        lua_setglobal(L, "load");
    } else {
        lua_pop(L, 1);
    }
    lua_pushcfunction(L, &loadTextFileChunk);
    lua_setglobal(L, "loadfile");
    lua_pushcfunction(L, &doTextFile);
    lua_setglobal(L, "dofile");
    return 0;
}

} // namespace lua::detail

#pragma once

#include <string>

struct lua_State;

namespace lua {

// Tag for a Lua nil, usable as a value to push or assign.
struct Nil {};
inline constexpr Nil nil{};

// The only constructor choice for usertypes: objects reach Lua from C++, never from a call in Lua.
struct NoConstructor {};
inline constexpr NoConstructor noConstructor{};

enum class Type { none, nil, boolean, lightUserdata, number, string, table, function, userdata, thread };

Type typeOf(lua_State* L, int index);

// Name of the value's type for messages: the usertype's name for bound objects, else Lua's name.
std::string describe(lua_State* L, int index);

// The demangled C++ name of a type, used when a usertype is given no name of its own.
std::string demangle(const char* mangledName);

} // namespace lua

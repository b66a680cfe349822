#pragma once

// The binding layer in one include. State.hpp shows how to bind a class; Converter.hpp lists how
// values cross between C++ and Lua; Callable.hpp how C++ functions are called from Lua.

#include "luabind/CallResult.hpp"
#include "luabind/Callable.hpp"
#include "luabind/Converter.hpp"
#include "luabind/Environment.hpp"
#include "luabind/Error.hpp"
#include "luabind/Function.hpp"
#include "luabind/InstructionLimit.hpp"
#include "luabind/LoadResult.hpp"
#include "luabind/Overload.hpp"
#include "luabind/Property.hpp"
#include "luabind/Reference.hpp"
#include "luabind/State.hpp"
#include "luabind/Table.hpp"
#include "luabind/Types.hpp"

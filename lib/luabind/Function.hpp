#pragma once

#include "luabind/CallResult.hpp"
#include "luabind/Converter.hpp"
#include "luabind/Protected.hpp"
#include "luabind/Reference.hpp"

#include <lua.hpp>

#include <type_traits>
#include <utility>

namespace lua {

// A reference to a Lua function (or a bound C++ one). Both calls are protected: call() throws
// lua::error with the error text, protectedCall() returns it. Arguments go through Converter.
class Function : public Reference {
public:
    static constexpr int luaType = LUA_TFUNCTION;

    Function() = default;
    // Throws lua::error unless the reference is to a function.
    explicit Function(Reference reference);

    template <class R = void, class... Args>
    R call(Args&&... args) const {
        lua_State* L = checkedState();
        detail::StackGuard guard(L);
        constexpr int results = std::is_void_v<R> ? 0 : 1;
        if (const int status = pushAndRun(L, results, std::forward<Args>(args)...); status != LUA_OK)
            throw error(detail::popErrorText(L, status));
        if constexpr (!std::is_void_v<R>) {
            try {
                return lua::get<R>(L, -1);
            } catch (const detail::ConversionError& e) {
                throw error(std::string("bad result (") + e.what() + ")");
            }
        }
    }

    // Results are discarded.
    template <class... Args>
    CallResult protectedCall(Args&&... args) const {
        lua_State* L = checkedState();
        detail::StackGuard guard(L);
        if (const int status = pushAndRun(L, 0, std::forward<Args>(args)...); status != LUA_OK)
            return CallResult::failure(detail::popErrorText(L, status));
        return {};
    }

private:
    template <class... Args>
    int pushAndRun(lua_State* L, int results, Args&&... args) const {
        if (!lua_checkstack(L, static_cast<int>(sizeof...(Args)) + 2))
            throw error("Lua stack overflow");
        push(L);
        (lua::push(L, std::forward<Args>(args)), ...);
        return lua_pcall(L, static_cast<int>(sizeof...(Args)), results, 0);
    }
};

} // namespace lua

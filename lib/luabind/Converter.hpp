#pragma once

// Conversions between C++ values and the Lua stack. Converter<T> offers, as far as T allows:
//   push(L, value)        pushes the value;
//   tryGet(L, index)      the value at index as a T, or nothing if it does not convert;
//   get(L, index)         the same, throwing ConversionError with the reason when it does not;
// Conversions are strict: no strings as numbers, no numbers as strings, only true/false as bool.
// Class types without a converter of their own are usertypes, bound by State::newUsertype.

#include "luabind/Error.hpp"
#include "luabind/Reference.hpp"
#include "luabind/Types.hpp"
#include "luabind/Userdata.hpp"

#include <lua.hpp>

#include <cmath>
#include <concepts>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace lua {

namespace detail {

// A value on the stack that does not convert; the text says what was expected and what came.
class ConversionError : public error {
public:
    using error::error;
};

// A number as Lua would print it, for messages.
std::string numberText(lua_State* L, int index);
std::string mismatch(lua_State* L, int index, const std::string& expected);

} // namespace detail

template <class T>
struct Converter;

// Things pushed as Lua functions: function pointers, member function pointers and objects with one
// non-template call operator (lambdas, std::function).
template <class T>
concept FunctionLike = (std::is_pointer_v<T> && std::is_function_v<std::remove_pointer_t<T>>) ||
                       std::is_member_function_pointer_v<T> ||
                       (std::is_class_v<T> && requires { &T::operator(); });

template <class T>
concept BoundClass = std::is_class_v<T> && !FunctionLike<T> && !std::derived_from<T, Reference>;

// True for T that Lua holds as a usertype.
template <class T>
concept Usertype = requires {
    Converter<T>::isUsertype;
};

template <class T>
std::optional<T> tryGet(lua_State* L, int index) {
    return Converter<T>::tryGet(L, index);
}

template <class T>
T get(lua_State* L, int index) {
    return Converter<T>::get(L, index);
}

template <class T>
void push(lua_State* L, T&& value) {
    Converter<std::remove_cvref_t<T>>::push(L, std::forward<T>(value));
}

namespace detail {

// Shared get() for converters with tryGet() and expected().
template <class Derived, class T>
struct ConverterBase {
    static T get(lua_State* L, int index) {
        if (auto value = Derived::tryGet(L, index))
            return std::move(*value);
        throw ConversionError(Derived::whyNot(L, index));
    }
};

} // namespace detail

template <>
struct Converter<bool> : detail::ConverterBase<Converter<bool>, bool> {
    static void push(lua_State* L, bool value) { lua_pushboolean(L, value); }
    static std::optional<bool> tryGet(lua_State* L, int index) {
        if (lua_type(L, index) != LUA_TBOOLEAN)
            return std::nullopt;
        return lua_toboolean(L, index) != 0;
    }
    static std::string whyNot(lua_State* L, int index) { return detail::mismatch(L, index, "boolean"); }
};

// Integers: the Lua number must be whole and fit T. A negative number never becomes a large
// unsigned one, and a fraction is never truncated.
template <class T>
requires std::integral<T> &&
    (!std::same_as<T, bool>)struct Converter<T> : detail::ConverterBase<Converter<T>, T> {
    static void push(lua_State* L, T value) {
        if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(lua_Integer)) {
            if (value > static_cast<T>(std::numeric_limits<lua_Integer>::max())) {
                lua_pushnumber(L, static_cast<lua_Number>(value));
                return;
            }
        }
        lua_pushinteger(L, static_cast<lua_Integer>(value));
    }
    static std::optional<T> tryGet(lua_State* L, int index) {
        if (lua_type(L, index) != LUA_TNUMBER)
            return std::nullopt;
        if (lua_isinteger(L, index)) {
            const lua_Integer i = lua_tointeger(L, index);
            if (!std::in_range<T>(i))
                return std::nullopt;
            return static_cast<T>(i);
        }
        const lua_Number n = lua_tonumber(L, index);
        // [min, 2^digits) is exactly representable at both ends, so the test is exact.
        const lua_Number low = static_cast<lua_Number>(std::numeric_limits<T>::min());
        const lua_Number high = std::ldexp(lua_Number(1), std::numeric_limits<T>::digits);
        if (!(n >= low && n < high) || std::trunc(n) != n)
            return std::nullopt;
        return static_cast<T>(n);
    }
    static std::string whyNot(lua_State* L, int index) {
        const char* expected = std::is_unsigned_v<T> ? "non-negative whole number" : "whole number";
        if (lua_type(L, index) != LUA_TNUMBER)
            return detail::mismatch(L, index, expected);
        const lua_Number n = lua_tonumber(L, index);
        if (std::isfinite(n) && std::trunc(n) == n && (!std::is_unsigned_v<T> || n >= 0))
            return "number out of range, got " + detail::numberText(L, index);
        return std::string(expected) + " expected, got " + detail::numberText(L, index);
    }
};

// Floating point: the number must be finite and, once converted, still finite.
template <std::floating_point T>
struct Converter<T> : detail::ConverterBase<Converter<T>, T> {
    static void push(lua_State* L, T value) { lua_pushnumber(L, static_cast<lua_Number>(value)); }
    static std::optional<T> tryGet(lua_State* L, int index) {
        if (lua_type(L, index) != LUA_TNUMBER)
            return std::nullopt;
        const T value = static_cast<T>(lua_tonumber(L, index));
        if (!std::isfinite(value))
            return std::nullopt;
        return value;
    }
    static std::string whyNot(lua_State* L, int index) {
        if (lua_type(L, index) != LUA_TNUMBER)
            return detail::mismatch(L, index, "number");
        return "finite number expected, got " + detail::numberText(L, index);
    }
};

template <class T>
requires std::is_enum_v<T>
struct Converter<T> : detail::ConverterBase<Converter<T>, T> {
    using Underlying = std::underlying_type_t<T>;
    static void push(lua_State* L, T value) {
        Converter<Underlying>::push(L, static_cast<Underlying>(value));
    }
    static std::optional<T> tryGet(lua_State* L, int index) {
        if (auto value = Converter<Underlying>::tryGet(L, index))
            return static_cast<T>(*value);
        return std::nullopt;
    }
    static std::string whyNot(lua_State* L, int index) { return Converter<Underlying>::whyNot(L, index); }
};

template <>
struct Converter<std::string> : detail::ConverterBase<Converter<std::string>, std::string> {
    static void push(lua_State* L, const std::string& value) {
        lua_pushlstring(L, value.data(), value.size());
    }
    static std::optional<std::string> tryGet(lua_State* L, int index) {
        if (lua_type(L, index) != LUA_TSTRING)
            return std::nullopt;
        std::size_t length = 0;
        const char* text = lua_tolstring(L, index, &length);
        return std::string(text, length);
    }
    static std::string whyNot(lua_State* L, int index) { return detail::mismatch(L, index, "string"); }
};

// Text that only goes to Lua: a view or pointer into Lua's string would outlive the value.
template <>
struct Converter<std::string_view> {
    static void push(lua_State* L, std::string_view value) { lua_pushlstring(L, value.data(), value.size()); }
};

template <>
struct Converter<const char*> {
    static void push(lua_State* L, const char* value) {
        if (value)
            lua_pushstring(L, value);
        else
            lua_pushnil(L);
    }
};

template <>
struct Converter<char*> : Converter<const char*> {};

template <std::size_t N>
struct Converter<char[N]> : Converter<const char*> {};

template <>
struct Converter<Nil> : detail::ConverterBase<Converter<Nil>, Nil> {
    static void push(lua_State* L, Nil) { lua_pushnil(L); }
    static std::optional<Nil> tryGet(lua_State* L, int index) {
        if (!lua_isnoneornil(L, index))
            return std::nullopt;
        return Nil{};
    }
    static std::string whyNot(lua_State* L, int index) { return detail::mismatch(L, index, "nil"); }
};

template <>
struct Converter<std::nullptr_t> {
    static void push(lua_State* L, std::nullptr_t) { lua_pushnil(L); }
};

// nil (or a missing argument) is the empty optional.
template <class T>
struct Converter<std::optional<T>> : detail::ConverterBase<Converter<std::optional<T>>, std::optional<T>> {
    static void push(lua_State* L, const std::optional<T>& value) {
        if (value)
            lua::push(L, *value);
        else
            lua_pushnil(L);
    }
    static std::optional<std::optional<T>> tryGet(lua_State* L, int index) {
        if (lua_isnoneornil(L, index)) {
            std::optional<std::optional<T>> empty;
            empty.emplace(); // an engaged outer optional holding an empty one
            return empty;
        }
        if (auto value = Converter<T>::tryGet(L, index))
            return std::optional<T>(std::move(*value));
        return std::nullopt;
    }
    static std::string whyNot(lua_State* L, int index) { return Converter<T>::whyNot(L, index); }
};

// A Lua sequence (indices 1..#t, read raw) and a std::vector, in the same order.
template <class T, class A>
struct Converter<std::vector<T, A>> : detail::ConverterBase<Converter<std::vector<T, A>>, std::vector<T, A>> {
    static void push(lua_State* L, const std::vector<T, A>& values) {
        if (!lua_checkstack(L, 2))
            throw error("Lua stack overflow");
        lua_createtable(L, static_cast<int>(values.size()), 0);
        lua_Integer i = 1;
        for (auto&& value : values) {
            lua::push(L, value);
            lua_rawseti(L, -2, i++);
        }
    }
    static std::optional<std::vector<T, A>> tryGet(lua_State* L, int index) {
        if (lua_type(L, index) != LUA_TTABLE || !lua_checkstack(L, 2))
            return std::nullopt;
        index = lua_absindex(L, index);
        const lua_Unsigned size = lua_rawlen(L, index);
        std::vector<T, A> values;
        values.reserve(size);
        for (lua_Unsigned i = 1; i <= size; ++i) {
            lua_rawgeti(L, index, static_cast<lua_Integer>(i));
            std::optional<T> value = Converter<T>::tryGet(L, -1);
            lua_pop(L, 1);
            if (!value)
                return std::nullopt;
            values.push_back(std::move(*value));
        }
        return values;
    }
    static std::string whyNot(lua_State* L, int index) {
        if (lua_type(L, index) != LUA_TTABLE)
            return detail::mismatch(L, index, "sequence");
        index = lua_absindex(L, index);
        const lua_Unsigned size = lua_rawlen(L, index);
        for (lua_Unsigned i = 1; i <= size; ++i) {
            lua_rawgeti(L, index, static_cast<lua_Integer>(i));
            const bool fits = Converter<T>::tryGet(L, -1).has_value();
            std::string reason = fits ? "" : Converter<T>::whyNot(L, -1);
            lua_pop(L, 1);
            if (!fits)
                return "bad element #" + std::to_string(i) + " (" + reason + ")";
        }
        return "sequence expected";
    }
};

// Bound objects by value: pushed as an owned copy, read as a copy of the object.
template <BoundClass T>
struct Converter<T> : detail::ConverterBase<Converter<T>, T> {
    static constexpr bool isUsertype = true;

    static void push(lua_State* L, const T& value) { detail::pushValue<T>(L, value); }
    static void push(lua_State* L, T&& value) { detail::pushValue<T>(L, std::move(value)); }
    static std::optional<T> tryGet(lua_State* L, int index) {
        if (T* object = detail::toObject<T>(L, index))
            return *object;
        return std::nullopt;
    }
    static std::string whyNot(lua_State* L, int index) {
        return detail::mismatch(L, index, detail::usertypeName(L, detail::metatableKey<T>(), typeid(T)));
    }
};

// Bound objects by pointer: null and nil correspond; the object stays owned by C++.
template <BoundClass T>
struct Converter<T*> : detail::ConverterBase<Converter<T*>, T*> {
    using Object = std::remove_const_t<T>;

    static void push(lua_State* L, const Object* object) { detail::pushPointer<Object>(L, object); }
    static std::optional<T*> tryGet(lua_State* L, int index) {
        if (lua_isnoneornil(L, index))
            return static_cast<T*>(nullptr);
        if (Object* object = detail::toObject<Object>(L, index))
            return object;
        return std::nullopt;
    }
    static std::string whyNot(lua_State* L, int index) { return Converter<Object>::whyNot(L, index); }
};

// References and their kinds (Table, Function, Environment): T::luaType names the Lua type they
// hold, or LUA_TNONE for any value.
template <class T>
requires std::derived_from<T, Reference>
struct Converter<T> : detail::ConverterBase<Converter<T>, T> {
    static void push(lua_State* L, const T& value) { value.push(L); }
    static std::optional<T> tryGet(lua_State* L, int index) {
        if (T::luaType != LUA_TNONE && lua_type(L, index) != T::luaType)
            return std::nullopt;
        return T(Reference(L, index));
    }
    static std::string whyNot(lua_State* L, int index) {
        return detail::mismatch(L, index, lua_typename(L, T::luaType));
    }
};

} // namespace lua

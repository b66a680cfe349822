#pragma once

// C++ functions as Lua functions. Each one is a C closure over a userdata that owns the C++
// callable. Arguments are converted strictly (see Converter.hpp); a parameter that is a reference
// to a bound class refers to the object inside the Lua value, without a copy. A C++ exception
// derived from std::exception becomes a Lua error with what() as its message, raised only after
// the C++ frames have unwound.

#include "luabind/Converter.hpp"
#include "luabind/FunctionTraits.hpp"
#include "luabind/Overload.hpp"

#include <lua.hpp>

#include <functional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

namespace lua {

namespace detail {

inline constexpr const char* noMatchingOverload =
    "sol: no matching function call takes this number of arguments and the specified types";

// How one parameter of type A is read from the stack, kept while the call runs, and passed on.
template <class A>
struct ArgReader {
    using Plain = std::remove_cvref_t<A>;
    static constexpr bool byReference = std::is_lvalue_reference_v<A> && Usertype<Plain>;
    using Stored = std::conditional_t<byReference, Plain*, Plain>;

    static bool fits(lua_State* L, int index) {
        if constexpr (byReference)
            return toObject<Plain>(L, index) != nullptr;
        else
            return Converter<Plain>::tryGet(L, index).has_value();
    }
    static Stored get(lua_State* L, int index) {
        if constexpr (byReference) {
            if (Plain* object = toObject<Plain>(L, index))
                return object;
            throw ConversionError(Converter<Plain>::whyNot(L, index));
        } else {
            return Converter<Plain>::get(L, index);
        }
    }
    static decltype(auto) pass(Stored& stored) {
        if constexpr (byReference)
            return static_cast<A>(*stored);
        else if constexpr (std::is_lvalue_reference_v<A>)
            return static_cast<A>(stored);
        else
            return std::move(stored);
    }
};

std::string badArgument(int index, const std::string& function, const char* reason);

template <class A>
typename ArgReader<A>::Stored readArgument(lua_State* L, int index, const std::string& function) {
    try {
        return ArgReader<A>::get(L, index);
    } catch (const ConversionError& e) {
        throw error(badArgument(index, function, e.what()));
    }
}

// Pushes what a function returned: references to bound objects as borrowed pointers, the rest
// through its converter.
template <class R, class V>
int pushResult(lua_State* L, V&& value) {
    using Plain = std::remove_cvref_t<R>;
    if constexpr (std::is_lvalue_reference_v<R> && Usertype<Plain>)
        pushPointer<Plain>(L, &value);
    else
        Converter<Plain>::push(L, std::forward<V>(value));
    return 1;
}

template <class F, class... A, std::size_t... I>
int invokeWith(lua_State* L, F& function, const std::string& name, std::tuple<A...>*,
               std::index_sequence<I...>) {
    // Braced initialisation reads the arguments left to right.
    std::tuple<typename ArgReader<A>::Stored...> args{readArgument<A>(L, static_cast<int>(I) + 1, name)...};
    (void)args;
    using R = typename FunctionTraits<F>::Result;
    if constexpr (std::is_void_v<R>) {
        std::invoke(function, ArgReader<A>::pass(std::get<I>(args))...);
        return 0;
    } else {
        return pushResult<R>(L, std::invoke(function, ArgReader<A>::pass(std::get<I>(args))...));
    }
}

template <class F>
int invoke(lua_State* L, F& function, const std::string& name) {
    using Args = typename FunctionTraits<F>::Args;
    return invokeWith(L, function, name, static_cast<Args*>(nullptr),
                      std::make_index_sequence<std::tuple_size_v<Args>>());
}

template <class... A, std::size_t... I>
bool argumentsFit(lua_State* L, std::tuple<A...>*, std::index_sequence<I...>) {
    return sizeof...(A) == static_cast<std::size_t>(lua_gettop(L)) &&
           (ArgReader<A>::fits(L, static_cast<int>(I) + 1) && ...);
}

template <class F>
bool fits(lua_State* L) {
    using Args = typename FunctionTraits<F>::Args;
    return argumentsFit(L, static_cast<Args*>(nullptr), std::make_index_sequence<std::tuple_size_v<Args>>());
}

class CallableBase {
public:
    explicit CallableBase(std::string name);
    CallableBase(const CallableBase&) = delete;
    CallableBase& operator=(const CallableBase&) = delete;
    virtual ~CallableBase();

    // Reads the arguments from L, calls, pushes the results and returns their count.
    virtual int call(lua_State* L) = 0;
    const std::string& name() const { return functionName; }

private:
    std::string functionName;
};

template <class F>
class FunctionCallable final : public CallableBase {
public:
    FunctionCallable(std::string name, F function)
        : CallableBase(std::move(name)), function(std::move(function)) {}
    int call(lua_State* L) override { return invoke(L, function, name()); }

private:
    F function;
};

template <class... F>
class OverloadCallable final : public CallableBase {
public:
    OverloadCallable(std::string name, Overload<F...> overload)
        : CallableBase(std::move(name)), functions(std::move(overload.functions)) {}
    int call(lua_State* L) override { return callFirstFit(L, std::index_sequence_for<F...>()); }

private:
    template <std::size_t... I>
    int callFirstFit(lua_State* L, std::index_sequence<I...>) {
        int results = -1;
        ((results < 0 && fits<F>(L) ? (results = invoke(L, std::get<I>(functions), name()), true) : false) ||
         ...);
        if (results < 0)
            throw error(noMatchingOverload);
        return results;
    }

    std::tuple<F...> functions;
};

// The C function behind every bound callable (upvalue 1 holds the callable).
int callCallable(lua_State* L);
// Pushes, creating it once, the metatable shared by the callables' userdata.
void pushCallableMetatable(lua_State* L);

template <class C, class... Args>
void pushCallable(lua_State* L, Args&&... args) {
    pushCallableMetatable(L);
    const int metatable = lua_gettop(L);
    auto [header, storage] = newUserdataBlock(L, sizeof(C), alignof(C), metatable);
    try {
        header->object = static_cast<CallableBase*>(new (storage) C(std::forward<Args>(args)...));
    } catch (...) {
        lua_pop(L, 2);
        throw;
    }
    header->destroy = [](void* object) {
        static_cast<CallableBase*>(object)->~CallableBase();
    };
    lua_remove(L, metatable);
    lua_pushcclosure(L, &callCallable, 1);
}

template <class F>
void pushFunction(lua_State* L, F&& function, std::string name) {
    using Plain = std::decay_t<F>;
    pushCallable<FunctionCallable<Plain>>(L, std::move(name), std::forward<F>(function));
}

template <class... F>
void pushFunction(lua_State* L, Overload<F...> overload, std::string name) {
    pushCallable<OverloadCallable<F...>>(L, std::move(name), std::move(overload));
}

} // namespace detail

template <FunctionLike F>
struct Converter<F> {
    static void push(lua_State* L, F function) { detail::pushFunction(L, std::move(function), "?"); }
};

template <class... F>
struct Converter<Overload<F...>> {
    static void push(lua_State* L, Overload<F...> overload) {
        detail::pushFunction(L, std::move(overload), "?");
    }
};

} // namespace lua

#pragma once

#include <tuple>
#include <type_traits>
#include <utility>

namespace lua {

// Several functions under one name. A call runs the first whose parameter count equals the number
// of arguments and whose parameters all accept them; if none does, the call is a Lua error.
template <class... F>
struct Overload {
    std::tuple<F...> functions;
};

template <class... F>
Overload<std::decay_t<F>...> overload(F&&... functions) {
    static_assert(sizeof...(F) > 0, "an overload needs at least one function");
    return {{std::forward<F>(functions)...}};
}

namespace detail {

template <class T>
struct IsOverload : std::false_type {};
template <class... F>
struct IsOverload<Overload<F...>> : std::true_type {};

} // namespace detail

} // namespace lua

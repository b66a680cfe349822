#pragma once

#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>

namespace lua::detail {

// Result and parameter types of everything FunctionLike. A member function's object comes first,
// as the reference it is called on (so `obj:method(...)` passes the object as self).
template <class F>
struct FunctionTraits;

template <class R, class... A>
struct FunctionTraits<R (*)(A...)> {
    using Result = R;
    using Args = std::tuple<A...>;
};

template <class R, class... A>
struct FunctionTraits<R (*)(A...) noexcept> : FunctionTraits<R (*)(A...)> {};

template <class Signature>
struct MemberFunctionTraits;

#define LUABIND_MEMBER_TRAITS(QUALIFIERS, SELF)                                                              \
    template <class R, class C, class... A>                                                                  \
    struct MemberFunctionTraits<R (C::*)(A...) QUALIFIERS> {                                                 \
        using Result = R;                                                                                    \
        using Args = std::tuple<A...>;                                                                       \
        using Self = SELF;                                                                                   \
    };
LUABIND_MEMBER_TRAITS(, C&)
LUABIND_MEMBER_TRAITS(const, const C&)
LUABIND_MEMBER_TRAITS(&, C&)
LUABIND_MEMBER_TRAITS(const&, const C&)
LUABIND_MEMBER_TRAITS(noexcept, C&)
LUABIND_MEMBER_TRAITS(const noexcept, const C&)
LUABIND_MEMBER_TRAITS(&noexcept, C&)
LUABIND_MEMBER_TRAITS(const& noexcept, const C&)
#undef LUABIND_MEMBER_TRAITS

template <class F>
requires std::is_member_function_pointer_v<F>
struct FunctionTraits<F> {
    using Result = typename MemberFunctionTraits<F>::Result;
    using Args = decltype(std::tuple_cat(std::declval<std::tuple<typename MemberFunctionTraits<F>::Self>>(),
                                         std::declval<typename MemberFunctionTraits<F>::Args>()));
};

// Lambdas and other function objects: the parameters of their call operator.
template <class F>
requires std::is_class_v<F>
struct FunctionTraits<F> {
    using Result = typename MemberFunctionTraits<decltype(&F::operator())>::Result;
    using Args = typename MemberFunctionTraits<decltype(&F::operator())>::Args;
};

template <class F>
inline constexpr std::size_t arity = std::tuple_size_v<typename FunctionTraits<F>::Args>;

} // namespace lua::detail

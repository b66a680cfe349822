#pragma once

#include "luabind/Callable.hpp"
#include "luabind/Overload.hpp"
#include "luabind/Property.hpp"
#include "luabind/UsertypeBuilder.hpp"

#include <string>
#include <type_traits>
#include <utility>

namespace lua::detail {

template <class T>
struct IsProperty : std::false_type {};
template <class G, class S>
struct IsProperty<Property<G, S>> : std::true_type {};

template <class M>
struct FieldOf;
template <class C, class F>
struct FieldOf<F C::*> {
    using Type = F;
};

template <class T, class M>
void addMember(UsertypeBuilder& builder, const std::string& member, M&& value) {
    using D = std::decay_t<M>;
    lua_State* L = builder.state();
    builder.claim(member);
    if constexpr (IsProperty<D>::value) {
        pushFunction(L, value.getter, member);
        builder.addGetter(member);
        if constexpr (!std::is_same_v<decltype(value.setter), NoSetter>) {
            pushFunction(L, value.setter, member);
            builder.addSetter(member);
        }
    } else if constexpr (std::is_member_object_pointer_v<D>) {
        // Fields are read as copies: a bound object inside another must not outlive its owner.
        using Field = typename FieldOf<D>::Type;
        using Plain = std::remove_cv_t<Field>;
        pushFunction(
            L, [value](const T& self) -> Plain { return self.*value; }, member);
        builder.addGetter(member);
        if constexpr (!std::is_const_v<Field> && std::is_copy_assignable_v<Plain>) {
            pushFunction(
                L, [value](T& self, Plain field) { self.*value = std::move(field); }, member);
            builder.addSetter(member);
        }
    } else if constexpr (IsOverload<D>::value) {
        pushFunction(L, std::forward<M>(value), member);
        builder.addMethod(member);
    } else {
        static_assert(FunctionLike<D>,
                      "a usertype member is a function, a field pointer, a property or an overload");
        pushFunction(L, std::forward<M>(value), member);
        builder.addMethod(member);
    }
}

template <class T>
void addMembers(UsertypeBuilder&) {}

template <class T, class Name, class Member, class... Rest>
void addMembers(UsertypeBuilder& builder, Name&& name, Member&& member, Rest&&... rest) {
    addMember<T>(builder, std::string(std::forward<Name>(name)), std::forward<Member>(member));
    addMembers<T>(builder, std::forward<Rest>(rest)...);
}

} // namespace lua::detail

#pragma once

#include <type_traits>
#include <utility>

namespace lua {

struct NoSetter {};

// A member read and written like a field but backed by functions. The getter takes the object
// (a const member function, or a callable taking `const T&`); the setter takes the object and the
// new value (a member function, or a callable taking `T&` and the value).
template <class Getter, class Setter = NoSetter>
struct Property {
    Getter getter;
    Setter setter;
};

template <class Getter, class Setter>
Property<std::decay_t<Getter>, std::decay_t<Setter>> property(Getter&& getter, Setter&& setter) {
    return {std::forward<Getter>(getter), std::forward<Setter>(setter)};
}

// A property that Lua can read but not assign.
template <class Getter>
Property<std::decay_t<Getter>> readonly(Getter&& getter) {
    return {std::forward<Getter>(getter), NoSetter{}};
}

} // namespace lua

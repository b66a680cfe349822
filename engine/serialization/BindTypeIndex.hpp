#pragma once

#include "engine/common/TypeName.hpp"
#include "engine/serialization/Factory.hpp"

#include <nlohmann/json.hpp>

#include <functional>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>

namespace orv {

// Turns a maker of a T (a function of the JSON record, with any further arguments bound here,
// references through std::ref) into a factory that files the object under typeid(T). The maker may
// hand out a pointer to a base of T; the object is then checked to be a T, since getComponent<T>
// and getSystem<T> cast to T without looking.
template <class T, class Maker, class... Bound>
auto bindTypeIndex(Maker maker, Bound... bound) {
    return [maker = std::move(maker), ... bound = std::move(bound)](const nlohmann::json& data) {
        auto object = std::invoke(maker, data, bound...);
        using Pointer = decltype(object);
        using Made = typename Pointer::element_type;
        static_assert(std::is_base_of_v<Made, T>, "the maker must make a T or hand it out as a base of T");
        if constexpr (!std::is_same_v<Made, T>) {
            if (object && !dynamic_cast<T*>(object.get()))
                throw std::logic_error("Factory made an object that is not a " + typeName<T>());
        }
        return std::pair<Pointer, std::type_index>(std::move(object), std::type_index(typeid(T)));
    };
}

} // namespace orv

#pragma once

#include "engine/ecs/SerializableSystem_base.hpp"
#include "engine/ecs/System_base.hpp"

namespace orv {

// Base of every saved system; B is System_base<World> or System_base<WorldManager>.
template <class B>
class SerializableSystem_template : public B, public SerializableSystem_base {
public:
    using B::B;

    // The system's data with its type name under "_SystemTypeId". Data that is neither null nor
    // an object cannot carry the name and makes the JSON library throw.
    nlohmann::json toJson() const override {
        nlohmann::json data = toJsonData();
        if (data.is_null())
            data = nlohmann::json::object();
        data["_SystemTypeId"] = getSystemTypeName();
        return data;
    }
};

extern template class SerializableSystem_template<System_base<World>>;
extern template class SerializableSystem_template<System_base<WorldManager>>;

} // namespace orv

#pragma once

#include "engine/ecs/Component.hpp"
#include "engine/ecs/SerializableToJson.hpp"

#include <string>

namespace orv {

// A component that is saved. It is written under getName(), which is also the key its factory
// is registered under, so each class returns one static string.
class SerializableComponent : public Component, public SerializableToJson {
public:
    nlohmann::json toJson() const final;
    SerializableComponent* asSerializable() final { return this; }

    virtual nlohmann::json toJsonData() const = 0;
    virtual const std::string& getName() const = 0;
};

} // namespace orv

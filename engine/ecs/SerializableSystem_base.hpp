#pragma once

#include "engine/ecs/SerializableToJson.hpp"

#include <string>

namespace orv {

// The saving side of a system: its own data and the name its factory is registered under.
class SerializableSystem_base : public SerializableToJson {
public:
    // Systems with nothing to save keep the default, a null value.
    virtual nlohmann::json toJsonData() const;
    virtual const std::string& getSystemTypeName() const = 0;
};

} // namespace orv

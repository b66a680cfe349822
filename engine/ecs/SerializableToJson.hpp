#pragma once

#include <nlohmann/json.hpp>

namespace orv {

// Anything that can write itself as a JSON value.
class SerializableToJson {
public:
    virtual ~SerializableToJson();
    virtual nlohmann::json toJson() const = 0;

protected:
    SerializableToJson() = default;
    SerializableToJson(const SerializableToJson&) = default;
    SerializableToJson& operator=(const SerializableToJson&) = default;
};

} // namespace orv

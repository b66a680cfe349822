#include "engine/serialization/JsonRecord.hpp"

#include "engine/common/JsonError.hpp"

namespace orv {

void requireObject(const nlohmann::json& value) {
    if (!value.is_object())
        throw JsonError("must be an object, but is " + std::string(value.type_name()));
}

void requireArray(const nlohmann::json& value) {
    if (!value.is_array())
        throw JsonError("must be an array, but is " + std::string(value.type_name()));
}

const nlohmann::json& requiredMember(const nlohmann::json& record, const std::string& key) {
    requireObject(record);
    auto it = record.find(key);
    if (it == record.end())
        throw JsonError(key, "is missing");
    return *it;
}

const nlohmann::json& memberOrNull(const nlohmann::json& record, const std::string& key) {
    static const nlohmann::json null;
    requireObject(record);
    auto it = record.find(key);
    return it == record.end() ? null : *it;
}

const nlohmann::json& requiredArray(const nlohmann::json& record, const std::string& key) {
    const nlohmann::json& value = requiredMember(record, key);
    if (!value.is_array())
        throw JsonError(key, "must be an array, but is " + std::string(value.type_name()));
    return value;
}

} // namespace orv

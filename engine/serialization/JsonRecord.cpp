#include "engine/serialization/JsonRecord.hpp"

namespace orv {

void requireObject(const nlohmann::json& value) {
    if (!value.is_object())
        throw nlohmann::json::type_error::create(
            305, "cannot use operator[] with a string argument with " + std::string(value.type_name()),
            &value);
}

void requireArray(const nlohmann::json& value) {
    if (!value.is_array())
        throw nlohmann::json::type_error::create(
            302, "type must be array, but is " + std::string(value.type_name()), &value);
}

const nlohmann::json& requiredMember(const nlohmann::json& record, const std::string& key) {
    requireObject(record);
    return record.at(key);
}

const nlohmann::json& memberOrNull(const nlohmann::json& record, const std::string& key) {
    static const nlohmann::json null;
    requireObject(record);
    auto it = record.find(key);
    return it == record.end() ? null : *it;
}

const nlohmann::json& requiredArray(const nlohmann::json& record, const std::string& key) {
    const nlohmann::json& value = requiredMember(record, key);
    requireArray(value);
    return value;
}

} // namespace orv

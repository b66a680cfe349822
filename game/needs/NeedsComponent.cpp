#include "game/needs/NeedsComponent.hpp"

#include "game/json/JsonObject.hpp"

#include <algorithm>
#include <string>

namespace tarsk {

namespace {
float clamped(float value) {
    return std::clamp(value, NeedsComponent::Minimum, NeedsComponent::Maximum);
}

float needAt(const nlohmann::json& data, const char* key) {
    const nlohmann::json value = data.value(key, nlohmann::json());
    if (!value.is_number())
        throw nlohmann::json::type_error::create(
            302, "type must be number, but is " + std::string(value.type_name()), &value);
    return value.get<float>();
}
} // namespace

NeedsComponent::NeedsComponent() : needs{Maximum, Maximum} {}

NeedsComponent::NeedsComponent(Needs initial) : needs{clamped(initial.first), clamped(initial.second)} {}

std::unique_ptr<NeedsComponent> NeedsComponent::fromJson(const nlohmann::json& data) {
    requireJsonObject(data);
    return std::make_unique<NeedsComponent>(Needs{needAt(data, "first"), needAt(data, "second")});
}

nlohmann::json NeedsComponent::toJsonData() const {
    return {{"first", needs.first}, {"second", needs.second}};
}

void NeedsComponent::changeNeeds(const Needs& delta) {
    needs.first = clamped(needs.first + delta.first);
    needs.second = clamped(needs.second + delta.second);
    changed.emit(needs);
}

} // namespace tarsk

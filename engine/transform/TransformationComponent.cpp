#include "engine/transform/TransformationComponent.hpp"

#include "engine/common/Finite.hpp"
#include "engine/common/JsonNumber.hpp"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <string>

namespace orv {

namespace {

[[noreturn]] void throwNonFinite(const char* key) {
    throw std::runtime_error(std::string("transform: \"") + key + "\" holds a non-finite number");
}

void checkFinite(float value, const char* key) {
    if (!isFinite(value))
        throwNonFinite(key);
}

// Read wide and checked before narrowing: a number beyond float's range is no position either.
float readFloat(const nlohmann::json& value, const char* key) {
    return jsonNumber<float>(value, key);
}

} // namespace

std::unique_ptr<TransformationComponent> TransformationComponent::fromJson(const nlohmann::json& data) {
    auto component = std::make_unique<TransformationComponent>();
    // One look-up per member: every loaded entity has a transform.
    if (auto p = data.find("position"); p != data.end()) {
        component->position = {readFloat(p->at(0), "position"), readFloat(p->at(1), "position"),
                               readFloat(p->at(2), "position")};
    }
    if (auto r = data.find("rotation"); r != data.end())
        component->rotation = readFloat(*r, "rotation");
    if (auto s = data.find("scale"); s != data.end())
        component->scale = {readFloat(s->at(0), "scale"), readFloat(s->at(1), "scale")};
    return component;
}

nlohmann::json TransformationComponent::toJsonData() const {
    for (float v : {position.x, position.y, position.z})
        checkFinite(v, "position");
    checkFinite(rotation, "rotation");
    for (float v : {scale.x, scale.y})
        checkFinite(v, "scale");
    // Built member by member: the JSON library's nested initialiser lists cost several times as
    // much, and every saved entity has a transform.
    nlohmann::json result(nlohmann::json::value_t::object);
    auto& members = result.get_ref<nlohmann::json::object_t&>();
    members.emplace("position",
                    nlohmann::json::array_t{double(position.x), double(position.y), double(position.z)});
    members.emplace("rotation", double(rotation));
    members.emplace("scale", nlohmann::json::array_t{double(scale.x), double(scale.y)});
    return result;
}

void TransformationComponent::setPositionXY(const sf::Vector2f& xy) {
    position.x = xy.x;
    position.y = xy.y;
    positionChanged.emit(position);
}

void TransformationComponent::setPosition(const sf::Vector3f& value) {
    position = value;
    positionChanged.emit(position);
}

void TransformationComponent::setScale(sf::Vector2f value) {
    scale = value;
    scaleChanged.emit(scale);
}

} // namespace orv

#include "engine/physics/FixtureJson.hpp"

#include "engine/physics/PhysicsJsonValues.hpp"

#include <cstdint>
#include <limits>
#include <string>

namespace orv {

namespace {

const std::string Friction = "fixtureDef.friction";
const std::string Density = "fixtureDef.density";
const std::string IsSensor = "fixtureDef.isSensor";
const std::string CategoryBits = "fixtureDef.filter.categoryBits";
const std::string GroupIndex = "fixtureDef.filter.groupIndex";
const std::string MaskBits = "fixtureDef.filter.maskBits";

template <class T>
void readBits(const nlohmann::json& data, const std::string& key, T& target) {
    if (auto it = data.find(key); it != data.end())
        target = static_cast<T>(
            jsonToInteger(*it, key, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

} // namespace

b2FixtureDef readFixtureDefinition(const nlohmann::json& data) {
    b2FixtureDef def;
    readOptional(data, Friction, def.friction);
    readOptional(data, Density, def.density);
    readOptional(data, IsSensor, def.isSensor);
    readBits(data, CategoryBits, def.filter.categoryBits);
    readBits(data, GroupIndex, def.filter.groupIndex);
    readBits(data, MaskBits, def.filter.maskBits);
    return def;
}

void writeFixtureDefinition(const b2FixtureDef& def, nlohmann::json& record) {
    record[Friction] = double(def.friction);
    record[Density] = double(def.density);
    record[IsSensor] = def.isSensor;
    record[CategoryBits] = static_cast<std::uint64_t>(def.filter.categoryBits);
    record[GroupIndex] = static_cast<std::int64_t>(def.filter.groupIndex);
    record[MaskBits] = static_cast<std::uint64_t>(def.filter.maskBits);
}

} // namespace orv

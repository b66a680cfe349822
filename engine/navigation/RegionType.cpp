#include "engine/navigation/RegionType.hpp"

#include <utility>

namespace orv {

float RegionType::property(const std::string& key, float fallback) const {
    auto it = properties.find(key);
    return it == properties.end() ? fallback : it->second;
}

std::unique_ptr<RegionType> makeRegionEntry(std::string name, RegionType::Properties properties) {
    return std::make_unique<RegionType>(RegionType{std::move(name), std::move(properties)});
}

} // namespace orv

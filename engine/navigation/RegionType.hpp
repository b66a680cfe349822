#pragma once

#include <map>
#include <memory>
#include <string>

namespace orv {

// A kind of walkable ground. The search only compares region types by address and hands them
// to cost modifiers, which may read the properties to reshape the cost of crossing them.
struct RegionType {
    using Properties = std::map<std::string, float>;

    std::string name;
    Properties properties;

    // The value stored under key, or fallback when the region does not define it.
    float property(const std::string& key, float fallback) const;
};

std::unique_ptr<RegionType> makeRegionEntry(std::string name, RegionType::Properties properties = {});

} // namespace orv

#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace tarsk {

// One kind of item as an item file defines it.
struct ItemDefinition {
    std::string id;
    std::string name;
    // File name of the icon, relative to the items folder.
    std::string iconTexture;
    // Null when the file gives none.
    nlohmann::json properties;
};

} // namespace tarsk

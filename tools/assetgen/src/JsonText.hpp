#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace assetgen {

// Indented JSON in which arrays of plain values stay on one line, so a nine-token pattern or a
// rectangle reads as one row in the data files.
std::string compactJsonText(const nlohmann::json& value);

} // namespace assetgen

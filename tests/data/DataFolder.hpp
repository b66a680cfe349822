#pragma once

#include <filesystem>
#include <vector>

namespace datatest {

inline std::filesystem::path dataFolder() {
    return std::filesystem::path(ORV_SOURCE_DIR) / "data";
}

// Regular files below `folder` whose extension is one of `extensions`, sorted by path.
std::vector<std::filesystem::path> filesBelow(const std::filesystem::path& folder,
                                              const std::vector<std::string>& extensions);

} // namespace datatest

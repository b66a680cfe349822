#include "tests/data/DataFolder.hpp"

#include <algorithm>

namespace datatest {

std::vector<std::filesystem::path> filesBelow(const std::filesystem::path& folder,
                                              const std::vector<std::string>& extensions) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const auto ext = entry.path().extension().string();
        if (entry.is_regular_file() &&
            std::find(extensions.begin(), extensions.end(), ext) != extensions.end()) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace datatest

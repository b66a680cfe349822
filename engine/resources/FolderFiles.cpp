#include "engine/resources/FolderFiles.hpp"

#include <algorithm>

namespace orv {

std::vector<std::filesystem::path> listFolderFiles(const std::filesystem::path& folder,
                                                   std::initializer_list<std::string_view> extensions) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file())
            continue;
        const std::string extension = entry.path().extension().string();
        if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace orv

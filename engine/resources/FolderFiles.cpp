#include "engine/resources/FolderFiles.hpp"

#include "engine/resources/RegularFile.hpp"

#include <algorithm>
#include <system_error>

namespace orv {

std::vector<std::filesystem::path> listFolderFiles(const std::filesystem::path& folder,
                                                   std::initializer_list<std::string_view> extensions) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (std::find(extensions.begin(), extensions.end(), extension) == extensions.end())
            continue;
        std::error_code error;
        if (!entry.is_directory(error))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    // A pipe, a device or a broken link in the content is refused by name, not skipped.
    for (const std::filesystem::path& file : files)
        requireRegularFile(file);
    return files;
}

} // namespace orv

#include "engine/resources/FolderFiles.hpp"

#include "engine/resources/RegularFile.hpp"

#include <algorithm>
#include <iostream>

namespace orv {

std::vector<std::filesystem::path> listFolderFiles(const std::filesystem::path& folder,
                                                   std::initializer_list<std::string_view> extensions) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (std::find(extensions.begin(), extensions.end(), extension) != extensions.end())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    // An editor's lock link, a pipe or a folder named like content is left out, but said, so that
    // what goes missing through it can be traced. A folder's own entries are walked all the same.
    std::erase_if(files, [](const std::filesystem::path& file) {
        const std::string why = whyNoRegularFile(file);
        if (!why.empty())
            std::cout << "content: skipping " << file.string() << ": " << why << std::endl;
        return !why.empty();
    });
    return files;
}

} // namespace orv

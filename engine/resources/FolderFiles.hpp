#pragma once

#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace orv {

// The regular files below the folder, at any depth, whose extension is one of the given ones,
// sorted by path: the file system's own walk order differs between machines, and loaders whose
// later file wins must be repeatable. An entry with one of the extensions that is neither a
// folder nor a regular file (a dangling link, a pipe, a device) is skipped with a line on
// standard output naming it.
std::vector<std::filesystem::path> listFolderFiles(const std::filesystem::path& folder,
                                                   std::initializer_list<std::string_view> extensions);

} // namespace orv

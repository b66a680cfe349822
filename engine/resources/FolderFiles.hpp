#pragma once

#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace orv {

// The regular files below the folder, at any depth, whose extension is one of the given ones,
// sorted by path: the file system's own walk order differs between machines, and loaders whose
// later file wins must be repeatable. An entry with one of the extensions that is no regular
// file (a dangling link, a pipe, a device, a folder or a link to one) is skipped with a line on
// standard output naming it.
std::vector<std::filesystem::path> listFolderFiles(const std::filesystem::path& folder,
                                                   std::initializer_list<std::string_view> extensions);

} // namespace orv

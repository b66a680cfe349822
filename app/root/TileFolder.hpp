#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orv {
class ResourceManager;
class Tileset;
} // namespace orv

namespace tarsk {

// The tile-definition files below a folder: regular files ending ".tile", ".tiles" or ".json",
// found recursively and taken in path order so every machine loads them alike.
class TileFolder {
public:
    inline static const std::filesystem::path DefaultPath = "./data/tiles/";

    explicit TileFolder(std::filesystem::path folder = DefaultPath) : folder(std::move(folder)) {}

    // Generic (forward-slash) paths, sorted. A missing or unreadable folder throws
    // std::filesystem::filesystem_error.
    std::vector<std::string> listFiles() const;
    // Reads each file as JSON through the resource manager and adds its tiles; a file holding
    // null adds nothing.
    void loadInto(orv::ResourceManager& resources, orv::Tileset& tileset) const;

private:
    std::filesystem::path folder;
};

} // namespace tarsk

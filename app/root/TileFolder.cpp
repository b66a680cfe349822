#include "app/root/TileFolder.hpp"

#include "engine/common/JsonWhere.hpp"
#include "engine/resources/FolderFiles.hpp"
#include "engine/resources/JsonResourceCache.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/tiles/Tileset.hpp"

#include <algorithm>

namespace tarsk {

std::vector<std::string> TileFolder::listFiles() const {
    std::vector<std::string> files;
    for (const std::filesystem::path& file : orv::listFolderFiles(folder, {".tile", ".tiles", ".json"}))
        files.push_back(file.generic_string());
    return files;
}

void TileFolder::loadInto(orv::ResourceManager& resources, orv::Tileset& tileset) const {
    for (const std::string& file : listFiles()) {
        orv::readFromFile(file, [&] {
            const nlohmann::json& document = resources.get(file).getCache<orv::JsonResourceCache>()->get();
            if (!document.is_null())
                tileset.addTilesFromJson(document);
        });
    }
}

} // namespace tarsk

#include "app/root/TileFolder.hpp"

#include "engine/common/JsonWhere.hpp"
#include "engine/resources/JsonResourceCache.hpp"
#include "engine/resources/ResourceManager.hpp"
#include "engine/tiles/Tileset.hpp"

#include <algorithm>

namespace tarsk {

bool TileFolder::isTileFile(const std::filesystem::path& file) {
    const std::filesystem::path extension = file.extension();
    return extension == ".tile" || extension == ".tiles" || extension == ".json";
}

std::vector<std::string> TileFolder::listFiles() const {
    std::vector<std::string> files;
    for (const std::filesystem::directory_entry& entry :
         std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && isTileFile(entry.path()))
            files.push_back(entry.path().generic_string());
    }
    std::sort(files.begin(), files.end());
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

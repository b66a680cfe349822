#include "app/savegame/LoadedSavegameSaverToFolder.hpp"

#include "engine/resources/FileReplacement.hpp"
#include "engine/serialization/WorldWriter.hpp"

#include <iostream>

namespace tarsk {

void LoadedSavegameSaverToFolder::save(LoadedSavegame& savegame) {
    // The worlds are written before the states add their parts, so no slot can change them.
    nlohmann::json global = orv::worldManagerToJson(*savegame.worldManager);
    savegame.beforeSave.emit();
    nlohmann::json out = savegame.data;
    out["global"] = std::move(global);
    // Dumped in full first: a value that cannot be written fails before the file is touched.
    orv::replaceFile(file, out.dump(4) + "\n");
    std::cout << "you save ma dood" << std::endl;
}

} // namespace tarsk

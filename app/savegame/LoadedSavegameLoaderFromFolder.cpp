#include "app/savegame/LoadedSavegameLoaderFromFolder.hpp"

#include "engine/serialization/WorldReader.hpp"

#include <fstream>
#include <stdexcept>

namespace tarsk {

LoadedSavegame LoadedSavegameLoaderFromFolder::load() {
    LoadedSavegame savegame;
    {
        std::ifstream in(file);
        if (!in)
            throw std::runtime_error("cannot open the game file " + file.string());
        // Like stream extraction: comments are errors, text after the first value is not read.
        in >> savegame.data;
    }
    if (savegame.data.is_null())
        savegame.data = nlohmann::json::object();
    // operator[] on anything but an object raises the JSON library's type error 305.
    const nlohmann::json global = savegame.data["global"];
    savegame.worldManager = orv::worldManagerFromJson(types, global);
    return savegame;
}

} // namespace tarsk

#include "app/savegame/LoadedSavegameLoaderFromFolder.hpp"

#include "engine/common/JsonText.hpp"
#include "engine/common/JsonWhere.hpp"
#include "engine/serialization/WorldReader.hpp"

#include <fstream>
#include <stdexcept>

namespace tarsk {

LoadedSavegame LoadedSavegameLoaderFromFolder::load() {
    LoadedSavegame savegame;
    savegame.file = file;
    std::string text;
    {
        std::ifstream in(file, std::ios::binary);
        if (!in)
            throw std::runtime_error("cannot open the game file " + file.string());
        text = orv::readAllText(in);
    }
    orv::readFromFile(file.string(), [&] {
        // Like stream extraction: comments are errors, text after the first value is not read.
        savegame.data = orv::parseFirstJsonValue(text);
        if (savegame.data.is_null())
            savegame.data = nlohmann::json::object();
        // operator[] on anything but an object raises the JSON library's type error 305.
        const nlohmann::json& global = savegame.data["global"];
        savegame.worldManager =
            orv::readUnderKey("global", [&] { return orv::worldManagerFromJson(types, global); });
    });
    return savegame;
}

} // namespace tarsk

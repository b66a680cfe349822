#include "app/savegame/LoadedSavegameLoaderFromFolder.hpp"

#include "engine/common/JsonText.hpp"
#include "engine/common/JsonWhere.hpp"
#include "engine/resources/RegularFile.hpp"
#include "engine/serialization/WorldReader.hpp"

namespace tarsk {

LoadedSavegame LoadedSavegameLoaderFromFolder::load() {
    LoadedSavegame savegame;
    savegame.file = file;
    const std::string text = orv::readRegularFile(file, orv::FileLimit::GameFile);
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

#pragma once

#include "app/savegame/GameFile.hpp"
#include "app/savegame/LoadedSavegameLoader.hpp"

#include <filesystem>

namespace orv {
class SerializationManager;
}

namespace tarsk {

// Reads the game file and builds its worlds.
class LoadedSavegameLoaderFromFolder final : public LoadedSavegameLoader {
public:
    explicit LoadedSavegameLoaderFromFolder(orv::SerializationManager& types,
                                            std::filesystem::path file = GameFilePath)
        : types(types), file(std::move(file)) {}

    // A file that cannot be read (missing, not a regular file, more than orv::FileLimit::GameFile
    // bytes) throws orv::ResourceAccessException naming it. Everything else wrong
    // with it throws an orv::JsonError that names the file and the path of the bad value, with
    // the text of the error met: the JSON library's parse error for invalid JSON, its type error
    // 305 for a document that is neither an object nor null, the world reader's errors for a
    // "global" part that is no valid world manager, or a document nested too deeply.
    LoadedSavegame load() override;

private:
    orv::SerializationManager& types;
    std::filesystem::path file;
};

} // namespace tarsk

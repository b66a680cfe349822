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

    // A file that cannot be opened throws std::runtime_error naming it; invalid JSON throws the
    // JSON library's parse error; a document that is neither an object nor null its type error
    // 305; a "global" part that is no valid world manager the world reader's errors.
    LoadedSavegame load() override;

private:
    orv::SerializationManager& types;
    std::filesystem::path file;
};

} // namespace tarsk

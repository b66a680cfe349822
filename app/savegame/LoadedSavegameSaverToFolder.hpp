#pragma once

#include "app/savegame/GameFile.hpp"
#include "app/savegame/LoadedSavegameSaver.hpp"

#include <filesystem>

namespace orv {
class SerializationManager;
}

namespace tarsk {

// Writes a running game back to the game file: the worlds under "global", then whatever the
// states put into the document when told that a save is coming, pretty-printed with an indent
// of 4. The old file is only replaced once the new one is completely on disk (orv::replaceFile).
class LoadedSavegameSaverToFolder final : public LoadedSavegameSaver {
public:
    explicit LoadedSavegameSaverToFolder(orv::SerializationManager& types,
                                         std::filesystem::path file = GameFilePath)
        : types(types), file(std::move(file)) {}

    // Throws std::runtime_error naming the file when it cannot be written; the previous file
    // is then left as it was.
    void save(LoadedSavegame& savegame) override;

private:
    orv::SerializationManager& types;
    std::filesystem::path file;
};

} // namespace tarsk

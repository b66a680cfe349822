#include "app/savegame/LoadedSavegameSaverToFolder.hpp"

#include "engine/serialization/WorldWriter.hpp"

#include <fstream>
#include <iostream>
#include <stdexcept>
#include <system_error>

namespace tarsk {

void LoadedSavegameSaverToFolder::save(LoadedSavegame& savegame) {
    // The worlds are written before the states add their parts, so no slot can change them.
    nlohmann::json global = orv::worldManagerToJson(*savegame.worldManager);
    savegame.beforeSave.emit();
    nlohmann::json out = savegame.data;
    out["global"] = std::move(global);
    // Dumped in full first: a value that cannot be written fails before the file is touched.
    replaceFile(out.dump(4) + "\n");
    std::cout << "you save ma dood" << std::endl;
}

void LoadedSavegameSaverToFolder::replaceFile(const std::string& text) const {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    auto fail = [&](const std::string& reason) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw std::runtime_error("cannot save the game to " + file.string() + ": " + reason);
    };
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            fail("cannot open " + temporary.string() + " for writing");
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out)
            fail("writing " + temporary.string() + " failed");
    }
    std::error_code error;
    const std::uintmax_t written = std::filesystem::file_size(temporary, error);
    if (error || written != text.size())
        fail(temporary.string() + " does not hold what was written");
    std::filesystem::rename(temporary, file, error);
    if (error)
        fail(error.message());
}

} // namespace tarsk

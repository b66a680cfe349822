// A settings file read as at start-up: whatever it holds, reading must give settings the game can
// use, and they must come back alike after the exit has written them.

#include "app/settings/SettingsFile.hpp"
#include "fuzz/support/OwnErrors.hpp"
#include "fuzz/support/Scratch.hpp"

#include <cstdint>
#include <exception>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarsk::SettingsFile file(fuzz::writeInput("settings.json", data, size));
    try {
        const nlohmann::json settings = file.load();
        file.save(settings);
        if (file.load() != settings)
            fuzz::fault("settings do not survive being written and read again: " + settings.dump());
    } catch (const std::exception& error) {
        fuzz::fault(std::string("reading settings failed: ") + error.what());
    }
    return 0;
}

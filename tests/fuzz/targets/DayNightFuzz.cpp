// A day/night file read by the day/night manager, as at start-up; the cycle the worlds use is
// then coloured through a whole day, as its system does frame by frame, which must never fail.

#include "engine/common/JsonError.hpp"
#include "fuzz/support/OwnErrors.hpp"
#include "fuzz/support/Scratch.hpp"
#include "game/daynight/DayNightCycleDataManager.hpp"
#include "game/worldgen/DefaultWorldGenerator.hpp"

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::writeInput("dayNight/input.json", data, size);
    tarsk::DayNightCycleDataManager cycles;
    bool loaded = false;
    fuzz::expectOwnErrors<orv::JsonError>([&] {
        cycles.loadDirectory(fuzz::scratch() / "dayNight");
        loaded = true;
    });
    // A file the manager refuses stops the game's start.
    if (!loaded)
        return 0;
    try {
        const tarsk::DayNightCycleDefinition& cycle =
            cycles.getDefinition(tarsk::DefaultWorldGenerator::DayNightCycleId);
        for (int step = 0; step <= 256; ++step)
            cycle.getColor(static_cast<float>(step) / 256.0f);
    } catch (const std::out_of_range&) {
        // Defines other cycles only.
    } catch (const std::exception& error) {
        fuzz::fault(std::string("a loaded cycle fails to colour the day: ") + error.what());
    }
    return 0;
}

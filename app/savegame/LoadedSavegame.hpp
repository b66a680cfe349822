#pragma once

#include "engine/ecs/WorldManager.hpp"
#include "engine/signals/Signal.hpp"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <memory>

namespace tarsk {

// A running game: the document it was read from, the worlds built from its "global" part, and
// the moment before saving at which states write their own parts into the document.
struct LoadedSavegame {
    // Where the document was read from, for errors found in it later.
    std::filesystem::path file;
    nlohmann::json data = nlohmann::json::object();
    std::unique_ptr<orv::WorldManager> worldManager;
    smartsignals::Signal<void()> beforeSave;
};

} // namespace tarsk

#pragma once

#include <filesystem>

namespace tarsk {

// The one file that holds a whole game: where "New Game" starts from and where saving writes.
inline const std::filesystem::path GameFilePath = "./test_entities_save.json";

} // namespace tarsk

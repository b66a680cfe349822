#pragma once

#include "support/TempFolder.hpp"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace fuzz {

// The process's scratch folder, where targets whose readers take files put the input.
testsupport::TempFolder& scratch();

// Writes the input as the file name below the scratch folder (the only file in its folder) and
// returns its path.
std::filesystem::path writeInput(const std::string& name, const std::uint8_t* data, std::size_t size);

} // namespace fuzz

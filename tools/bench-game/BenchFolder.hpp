#pragma once

#include <filesystem>
#include <string>

namespace orvbench {

// A scratch run folder made the working folder for its lifetime: the built game's data folder
// linked in and the given game file beside it, as the game reads them ("./data", the game file).
class BenchFolder {
public:
    explicit BenchFolder(const std::string& gameFileText);
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }

private:
    std::filesystem::path previous;
    std::filesystem::path folder;
};

// The game file the game ships with.
std::string shippedGameFile();

} // namespace orvbench

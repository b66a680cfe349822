#include "tools/bench-game/BenchFolder.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace orvbench {

BenchFolder::BenchFolder(const std::string& gameFileText) : previous(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "orv-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a scratch folder from " + pattern);
    folder = pattern;
    std::filesystem::create_directory_symlink(std::filesystem::path(ORV_RUN_DIR) / "data", folder / "data");
    std::ofstream(folder / "test_entities_save.json") << gameFileText;
    std::filesystem::current_path(folder);
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    std::filesystem::remove_all(folder, ignored);
}

std::string shippedGameFile() {
    const std::filesystem::path path =
        std::filesystem::path(ORV_SOURCE_DIR) / "app/content/test_entities_save.json";
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace orvbench

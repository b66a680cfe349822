#include "app/support/TempFolder.hpp"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <stdlib.h>

namespace apptest {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ostrevale-app-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    root = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

void TempFolder::write(const std::string& name, const std::string& text) const {
    const std::filesystem::path file = root / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(root / name, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + (root / name).string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

WorkingFolder::WorkingFolder(const std::filesystem::path& folder)
    : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

WorkingFolder::~WorkingFolder() {
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
}

} // namespace apptest

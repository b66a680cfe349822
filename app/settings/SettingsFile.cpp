#include "app/settings/SettingsFile.hpp"

#include <fstream>
#include <iomanip>
#include <iostream>
#include <system_error>

namespace tarsk {

std::filesystem::path SettingsFile::getBackupPath() const {
    std::filesystem::path backup = path;
    backup += ".bak";
    return backup;
}

nlohmann::json SettingsFile::load() const {
    if (!std::filesystem::exists(path))
        return nlohmann::json::object();
    nlohmann::json settings;
    std::ifstream in(path);
    if (!in) {
        keepBrokenFile("it cannot be opened");
        return nlohmann::json::object();
    }
    try {
        settings = nlohmann::json::parse(in, nullptr, true, false);
    } catch (const nlohmann::json::parse_error& error) {
        in.close();
        keepBrokenFile(error.what());
        return nlohmann::json::object();
    }
    if (!settings.is_object())
        return nlohmann::json::object();
    return settings;
}

void SettingsFile::keepBrokenFile(const std::string& reason) const {
    std::error_code error;
    std::filesystem::rename(path, getBackupPath(), error);
    std::cout << "settings: cannot read " << path.string() << " (" << reason
              << "); starting with default settings";
    if (!error)
        std::cout << ", the old file is kept as " << getBackupPath().string();
    std::cout << std::endl;
}

void SettingsFile::save(const nlohmann::json& settings) const noexcept {
    try {
        std::filesystem::path temporary = path;
        temporary += ".tmp";
        {
            std::ofstream out(temporary, std::ios::trunc);
            if (!out)
                return;
            out << std::setw(4) << settings;
            out.close();
            if (!out) {
                std::error_code ignored;
                std::filesystem::remove(temporary, ignored);
                return;
            }
        }
        std::error_code error;
        std::filesystem::rename(temporary, path, error);
        if (error)
            std::filesystem::remove(temporary, error);
    } catch (...) {
        // Out of memory while dumping: the exit goes on without the settings.
    }
}

} // namespace tarsk

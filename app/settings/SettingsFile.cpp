#include "app/settings/SettingsFile.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/common/JsonText.hpp"
#include "engine/resources/FileReplacement.hpp"

#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
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
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            keepBrokenFile("it cannot be opened");
            return nlohmann::json::object();
        }
        try {
            settings = orv::parseJsonText(orv::readAllText(in));
        } catch (const std::exception& error) {
            in.close();
            keepBrokenFile(error.what());
            return nlohmann::json::object();
        }
    }
    if (!settings.is_object())
        return nlohmann::json::object();
    try {
        checkValues(settings);
    } catch (const orv::JsonError& error) {
        keepBrokenFile(error.what());
        return nlohmann::json::object();
    }
    return settings;
}

void SettingsFile::checkValues(const nlohmann::json& settings) {
    if (auto it = settings.find(MusicVolumeKey); it != settings.end())
        orv::jsonNumber<float>(*it, MusicVolumeKey);
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
        std::ostringstream text;
        text << std::setw(4) << settings;
        orv::replaceFile(path, text.str());
    } catch (...) {
        // Out of memory or a file that cannot be written: the exit goes on without the settings.
    }
}

} // namespace tarsk

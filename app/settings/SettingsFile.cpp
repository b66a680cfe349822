#include "app/settings/SettingsFile.hpp"

#include "engine/common/JsonNumber.hpp"
#include "engine/common/JsonText.hpp"
#include "engine/resources/FileReplacement.hpp"
#include "engine/resources/RegularFile.hpp"
#include "engine/resources/ResourceAccessException.hpp"

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

nlohmann::json SettingsFile::load() {
    // Only a name that is not there at all means "no settings yet"; a dangling link or a link
    // loop is a broken file like any other.
    std::error_code missing;
    if (std::filesystem::symlink_status(path, missing).type() == std::filesystem::file_type::not_found)
        return nlohmann::json::object();
    nlohmann::json settings;
    try {
        settings = orv::parseJsonText(orv::readRegularFile(path, orv::FileLimit::Settings));
    } catch (const orv::ResourceAccessException& error) {
        keepBrokenFile(error.what());
        return nlohmann::json::object();
    } catch (const std::exception& error) {
        keepBrokenFile("cannot read " + path.string() + ": " + error.what());
        return nlohmann::json::object();
    }
    if (!settings.is_object())
        return nlohmann::json::object();
    try {
        checkValues(settings);
    } catch (const orv::JsonError& error) {
        keepBrokenFile("cannot read " + path.string() + ": " + error.what());
        return nlohmann::json::object();
    }
    return settings;
}

void SettingsFile::checkValues(const nlohmann::json& settings) {
    if (auto it = settings.find(MusicVolumeKey); it != settings.end())
        orv::jsonNumber<float>(*it, MusicVolumeKey);
}

void SettingsFile::keepBrokenFile(const std::string& reason) {
    std::error_code error;
    std::filesystem::rename(path, getBackupPath(), error);
    std::cout << "settings: " << reason << "; starting with default settings";
    if (error) {
        // Without a copy elsewhere the player's file must not be replaced by the defaults.
        writable = false;
        std::cout << "; it cannot be moved to " << getBackupPath().string() << " (" << error.message()
                  << "), so it is left as it is and the settings are not written at exit";
    } else {
        std::cout << "; the old file is kept as " << getBackupPath().string();
    }
    std::cout << std::endl;
}

void SettingsFile::save(const nlohmann::json& settings) const noexcept {
    if (!writable)
        return;
    try {
        std::ostringstream text;
        text << std::setw(4) << settings;
        orv::replaceFile(path, text.str());
    } catch (...) {
        // Out of memory or a file that cannot be written: the exit goes on without the settings.
    }
}

} // namespace tarsk

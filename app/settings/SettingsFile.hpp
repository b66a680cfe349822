#pragma once

#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>

namespace tarsk {

// The player's settings on disk: one JSON object, read at start-up and written back at exit.
// Keys the game does not know are carried through untouched.
class SettingsFile {
public:
    inline static const std::filesystem::path DefaultPath = "./settings.json";
    inline static const std::string MusicVolumeKey = "background_music_volume";

    explicit SettingsFile(std::filesystem::path path = DefaultPath) : path(std::move(path)) {}

    // The settings object; {} when there is no file or it holds something other than an object.
    // A file that cannot be read (a folder, a pipe, a device, a link loop, more than
    // orv::FileLimit::Settings bytes, not JSON) or holds a known key with an unusable value must
    // not stop the game: it is reported on standard output, moved aside to "<name>.bak" for the
    // player to recover, and {} is used. Reading never blocks and never throws.
    nlohmann::json load();
    // Replaces the file in one durable step (orv::replaceFile), so a crash while writing never
    // leaves half a file. Failures are silent: losing a volume change must not stop the exit.
    // Writes nothing after load() met a broken file it could not move aside.
    void save(const nlohmann::json& settings) const noexcept;

    const std::filesystem::path& getPath() const { return path; }
    std::filesystem::path getBackupPath() const;

private:
    // Throws orv::JsonError for a known key whose value the game cannot use.
    static void checkValues(const nlohmann::json& settings);
    void keepBrokenFile(const std::string& reason);

    std::filesystem::path path;
    bool writable = true;
};

} // namespace tarsk

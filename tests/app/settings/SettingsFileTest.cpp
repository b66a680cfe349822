#include "app/settings/SettingsFile.hpp"
#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using nlohmann::json;

TEST(SettingsFile, MissingFileGivesAnEmptyObject) {
    testsupport::TempFolder folder;
    const json settings = tarsk::SettingsFile(folder / "settings.json").load();
    EXPECT_EQ(settings, json::object());
}

TEST(SettingsFile, RoundTripKeepsKeysTheGameDoesNotKnow) {
    testsupport::TempFolder folder;
    folder.write("settings.json", R"({"background_music_volume": 35.5, "window": {"scale": [2, 3]}})");
    tarsk::SettingsFile file(folder / "settings.json");
    json settings = file.load();
    EXPECT_EQ(settings["window"], json::parse(R"({"scale": [2, 3]})"));
    settings["background_music_volume"] = 60.0;
    file.save(settings);
    EXPECT_EQ(file.load(), json::parse(R"({"background_music_volume": 60.0, "window": {"scale": [2, 3]}})"));
}

TEST(SettingsFile, WritesPrettyWithFourSpaces) {
    testsupport::TempFolder folder;
    tarsk::SettingsFile file(folder / "settings.json");
    file.save(json{{"background_music_volume", 50.0}});
    EXPECT_EQ(folder.read("settings.json"), "{\n    \"background_music_volume\": 50.0\n}");
    file.save(json::object());
    EXPECT_EQ(folder.read("settings.json"), "{}");
}

TEST(SettingsFile, DocumentsOtherThanObjectsCountAsNoSettings) {
    testsupport::TempFolder folder;
    tarsk::SettingsFile file(folder / "settings.json");
    for (const char* text : {"[1, 2, 3]", "42", "null", "\"loud\""}) {
        folder.write("settings.json", text);
        EXPECT_EQ(file.load(), json::object()) << text;
        // Nothing was wrong with the file as JSON: it stays where it is, without a backup.
        EXPECT_FALSE(std::filesystem::exists(file.getBackupPath())) << text;
    }
}

TEST(SettingsFile, InvalidJsonStartsEmptyAndKeepsTheBrokenFileAsBackup) {
    testsupport::TempFolder folder;
    const std::string broken = "{\"background_music_volume\": 40, // comment\n}";
    folder.write("settings.json", broken);
    tarsk::SettingsFile file(folder / "settings.json");
    testing::internal::CaptureStdout();
    EXPECT_EQ(file.load(), json::object());
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_NE(said.find("settings.json"), std::string::npos) << said;
    EXPECT_EQ(folder.read("settings.json.bak"), broken);

    file.save(json{{"background_music_volume", 40.0}});
    EXPECT_EQ(file.load(), json::parse(R"({"background_music_volume": 40.0})"));
    EXPECT_EQ(folder.read("settings.json.bak"), broken);
}

TEST(SettingsFile, UnusableValuesOrNestingStartWithDefaultsAndKeepTheFileAsBackup) {
    testsupport::TempFolder folder;
    tarsk::SettingsFile file(folder / "settings.json");
    const std::string deep = std::string(20000, '[') + std::string(20000, ']');
    for (const std::string& text :
         {std::string(R"({"x": 1e400})"), std::string(R"({"background_music_volume": "loud"})"),
          std::string(R"({"background_music_volume": true})"),
          R"({"background_music_volume": 50, "deep": )" + deep + "}"}) {
        folder.write("settings.json", text);
        testing::internal::CaptureStdout();
        EXPECT_EQ(file.load(), json::object()) << text.substr(0, 60);
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_NE(said.find("settings.json"), std::string::npos) << said;
        EXPECT_EQ(folder.read("settings.json.bak"), text);
    }
}

TEST(SettingsFile, FailedWriteIsSilentAndLeavesNoTemporaryFile) {
    testsupport::TempFolder folder;
    // A folder where the file should be: the rename over it fails.
    std::filesystem::create_directories(folder / "settings.json" / "inside");
    tarsk::SettingsFile file(folder / "settings.json");
    testing::internal::CaptureStdout();
    EXPECT_NO_THROW(file.save(json{{"a", 1}}));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "settings.json"));
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);

    tarsk::SettingsFile nowhere(folder / "no" / "such" / "folder" / "settings.json");
    EXPECT_NO_THROW(nowhere.save(json{{"a", 1}}));
    EXPECT_FALSE(std::filesystem::exists(folder / "no"));
}

TEST(SettingsFile, WhatStandsAtATemporaryNameIsNeitherFollowedNorReused) {
    testsupport::TempFolder folder;
    testsupport::TempFolder elsewhere;
    elsewhere.write("victim", "untouched");
    folder.write("settings.json", R"({"kept": true})");
    // A link at the name writers used to take, and a link, a folder and a FIFO at the names this
    // process tries first.
    const std::string taken = "settings.json.tmp-" + std::to_string(::getpid()) + "-";
    std::filesystem::create_symlink(elsewhere / "victim", folder / "settings.json.tmp");
    std::filesystem::create_symlink(elsewhere / "victim", folder / (taken + "0"));
    std::filesystem::create_directory(folder / (taken + "1"));
    ASSERT_EQ(::mkfifo((folder / (taken + "2")).c_str(), 0644), 0);
    tarsk::SettingsFile file(folder / "settings.json");
    file.save(json{{"kept", false}});
    EXPECT_EQ(elsewhere.read("victim"), "untouched");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(folder / "settings.json")));
    EXPECT_EQ(file.load(), json::parse(R"({"kept": false})"));
}

TEST(SettingsFile, FilesThatCannotBeReadGiveDefaultsAWarningAndABackupWithoutBlocking) {
    testsupport::TempFolder folder;
    tarsk::SettingsFile file(folder / "settings.json");
    const std::string large = R"({"pad": ")" + std::string(1 << 20, ' ') + "\"}";
    const std::vector<std::pair<std::function<void()>, std::string>> odd = {
        {[&] { std::filesystem::create_directories(folder / "settings.json" / "inside"); }, "it is a folder"},
        {[&] { ASSERT_EQ(::mkfifo((folder / "settings.json").c_str(), 0600), 0); }, "it is a pipe (FIFO)"},
        {[&] { std::filesystem::create_symlink("/dev/zero", folder / "settings.json"); }, "it is a device"},
        {[&] { std::filesystem::create_symlink("settings.json", folder / "settings.json"); },
         "Too many levels of symbolic links"},
        {[&] { folder.write("settings.json", large); },
         "it holds 1048587 bytes, more than the 1048576 bytes allowed"},
    };
    for (const auto& [make, reason] : odd) {
        make();
        testing::internal::CaptureStdout();
        EXPECT_EQ(file.load(), json::object()) << reason;
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_NE(said.find("cannot read " + (folder / "settings.json").string() + ": " + reason),
                  std::string::npos)
            << said;
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(file.getBackupPath())));
        file.save(json{{"background_music_volume", 30.0}});
        EXPECT_EQ(file.load(), json::parse(R"({"background_music_volume": 30.0})")) << reason;
        std::filesystem::remove_all(folder / "settings.json");
        std::filesystem::remove_all(file.getBackupPath());
    }
    // Without a place for the backup the broken file stays as it is at exit.
    std::filesystem::create_directories(file.getBackupPath() / "taken");
    folder.write("settings.json", "{ broken");
    testing::internal::CaptureStdout();
    EXPECT_EQ(file.load(), json::object());
    testing::internal::GetCapturedStdout();
    file.save(json{{"background_music_volume", 30.0}});
    EXPECT_EQ(folder.read("settings.json"), "{ broken");
}

} // namespace

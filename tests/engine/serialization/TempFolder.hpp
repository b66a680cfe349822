#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace serial_test {

// A folder of its own under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root = std::filesystem::temp_directory_path() / ("orv-serial-" + std::to_string(::getpid()) + "-" +
                                                         test->test_suite_name() + "-" + test->name());
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() { std::filesystem::remove_all(root); }

    // Writes a file at a path relative to the folder, making its folders.
    void write(const std::string& relative, const std::string& text) const {
        const std::filesystem::path file = root / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }

    std::string path() const { return root.string(); }

private:
    std::filesystem::path root;
};

} // namespace serial_test

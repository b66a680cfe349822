#pragma once

#include <filesystem>
#include <string>

namespace apptest {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& path() const { return root; }
    std::filesystem::path operator/(const std::string& name) const { return root / name; }

    void write(const std::string& name, const std::string& text) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path root;
};

// Makes a folder the working folder for its lifetime, as the game runs in its run folder.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::filesystem::path& folder);
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;
    ~WorkingFolder();

private:
    std::filesystem::path previous;
};

} // namespace apptest

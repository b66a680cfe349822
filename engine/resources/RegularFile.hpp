#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace orv {

// The most bytes the game reads from one file of each kind: enough for any real file of that
// kind, far below what would take the machine's memory.
struct FileLimit {
    static constexpr std::size_t Media = std::size_t{64} << 20;    // textures, sounds, music, fonts
    static constexpr std::size_t GameFile = std::size_t{64} << 20; // the whole game document
    static constexpr std::size_t Content = std::size_t{16} << 20;  // a JSON or XML file under data/
    static constexpr std::size_t Settings = std::size_t{1} << 20;

    // Media for the extensions of images, sounds and fonts, Content for anything else.
    static std::size_t forPath(const std::filesystem::path& file);
};

// Every file the game reads is read through here. A file is read only when it is a regular file
// once links are followed: a folder, a pipe, a device, a socket, a link loop or a dangling link
// is refused before anything is opened, so reading never blocks or runs without end. A file
// larger than limit is refused too. Each refusal is an orv::ResourceAccessException whose
// message is "cannot read <file>: <why>".
std::string readRegularFile(const std::filesystem::path& file, std::size_t limit);

// Throws as readRegularFile does when file is not a regular file; opens nothing.
void requireRegularFile(const std::filesystem::path& file);

// Why the file is no regular file once links are followed ("it is a pipe (FIFO)"), or empty when
// it is one; opens nothing.
std::string whyNoRegularFile(const std::filesystem::path& file);

} // namespace orv

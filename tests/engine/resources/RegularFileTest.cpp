#include "engine/resources/RegularFile.hpp"
#include "engine/resources/FolderFiles.hpp"
#include "engine/resources/ResourceManager.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// The message the default loader gives for a file of the scratch folder, or "read" when it reads.
std::string loadError(const fs::path& file) {
    try {
        orv::ResourceManager().get(file.string()).load();
        return "read";
    } catch (const orv::ResourceAccessException& error) {
        return error.what();
    }
}

TEST(RegularFile, OnlyRegularFilesWithinTheirLimitAreReadAndEveryRefusalNamesTheFile) {
    std::string pattern = (fs::temp_directory_path() / "regular_file_XXXXXX").string();
    const fs::path dir = ::mkdtemp(pattern.data());
    std::ofstream(dir / "ok.png") << "bytes";
    fs::create_directory(dir / "folder.png");
    ASSERT_EQ(::mkfifo((dir / "pipe.png").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero.png");
    fs::create_symlink(dir / "loop_b.png", dir / "loop_a.png");
    fs::create_symlink(dir / "loop_a.png", dir / "loop_b.png");

    EXPECT_EQ(loadError(dir / "ok.png"), "read");
    EXPECT_EQ(orv::readRegularFile(dir / "ok.png", 5), "bytes");
    const std::string prefix = "cannot read " + dir.string();
    EXPECT_EQ(loadError(dir / "folder.png"), prefix + "/folder.png: it is a folder");
    EXPECT_EQ(loadError(dir / "pipe.png"), prefix + "/pipe.png: it is a pipe (FIFO)");
    EXPECT_EQ(loadError(dir / "zero.png"), prefix + "/zero.png: it is a device");
    EXPECT_EQ(loadError(dir / "loop_a.png"), prefix + "/loop_a.png: Too many levels of symbolic links");
    try {
        orv::readRegularFile(dir / "ok.png", 4);
        ADD_FAILURE() << "a file over the limit was read";
    } catch (const orv::ResourceAccessException& error) {
        EXPECT_EQ(std::string(error.what()),
                  prefix + "/ok.png: it holds 5 bytes, more than the 4 bytes allowed");
    }
    // A content folder holding a pipe is refused, not walked past.
    fs::remove(dir / "loop_a.png");
    fs::remove(dir / "loop_b.png");
    try {
        orv::listFolderFiles(dir, {".png"});
        ADD_FAILURE() << "the pipe was skipped";
    } catch (const orv::ResourceAccessException& error) {
        EXPECT_EQ(std::string(error.what()), prefix + "/pipe.png: it is a pipe (FIFO)");
    }
    EXPECT_EQ(orv::listFolderFiles(dir, {".txt"}), std::vector<fs::path>{});
    fs::remove_all(dir);
}

} // namespace

#include "engine/resources/FileReplacement.hpp"

#include "engine/resources/FileDescriptor.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <system_error>
#include <unistd.h>

namespace orv {

namespace {

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string lastError() {
    return std::strerror(errno);
}

} // namespace

void replaceFile(const std::filesystem::path& file, std::string_view text) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    auto fail = [&](const std::string& reason) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw std::runtime_error("cannot write " + file.string() + ": " + reason);
    };

    {
        FileDescriptor out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
        if (out.get() < 0)
            fail("cannot open " + temporary.string() + " for writing: " + lastError());
        if (!writeAll(out.get(), text))
            fail("writing " + temporary.string() + " failed: " + lastError());
        if (::fsync(out.get()) != 0)
            fail("flushing " + temporary.string() + " failed: " + lastError());
        if (!out.close())
            fail("closing " + temporary.string() + " failed: " + lastError());
    }

    std::error_code error;
    std::filesystem::rename(temporary, file, error);
    if (error)
        fail(error.message());

    // The new name is only durable once the folder holding it is.
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.get() < 0 || ::fsync(directory.get()) != 0)
        throw std::runtime_error("cannot write " + file.string() + ": flushing the folder " +
                                 folder.string() + " failed: " + lastError());
}

} // namespace orv

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

// Makes a new file beside `file` under a name nobody uses yet. O_EXCL never opens what stands at
// the name, so a link planted there is not followed, nor a FIFO or a stale file reused; a name
// taken already (by a crashed run of the same process id) moves on to the next.
int createTemporary(const std::filesystem::path& file, std::filesystem::path& temporary) {
    constexpr int attempts = 100;
    for (int attempt = 0;; ++attempt) {
        temporary = file;
        temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST || attempt + 1 == attempts)
            return fd;
    }
}

} // namespace

void replaceFile(const std::filesystem::path& file, std::string_view text) {
    std::filesystem::path temporary;
    bool created = false;
    auto fail = [&](const std::string& reason) {
        std::error_code ignored;
        if (created)
            std::filesystem::remove(temporary, ignored);
        throw std::runtime_error("cannot write " + file.string() + ": " + reason);
    };

    {
        FileDescriptor out(createTemporary(file, temporary));
        if (out.get() < 0)
            fail("cannot open " + temporary.string() + " for writing: " + lastError());
        created = true;
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

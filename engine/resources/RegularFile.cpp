#include "engine/resources/RegularFile.hpp"

#include "engine/resources/FileDescriptor.hpp"
#include "engine/resources/ResourceAccessException.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace orv {

namespace {

[[noreturn]] void refuse(const std::filesystem::path& file, const std::string& why) {
    throw ResourceAccessException("cannot read " + file.string() + ": " + why);
}

std::string describe(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
    case file_type::directory:
        return "it is a folder";
    case file_type::fifo:
        return "it is a pipe (FIFO)";
    case file_type::character:
    case file_type::block:
        return "it is a device";
    case file_type::socket:
        return "it is a socket";
    default:
        return "it is not a regular file";
    }
}

std::string sizeText(std::size_t bytes) {
    return std::to_string(bytes) + " bytes";
}

} // namespace

std::size_t FileLimit::forPath(const std::filesystem::path& file) {
    static constexpr std::array<std::string_view, 10> media{".png", ".jpg", ".jpeg", ".bmp", ".tga",
                                                            ".ogg", ".wav", ".flac", ".ttf", ".otf"};
    const std::string extension = file.extension().string();
    return std::find(media.begin(), media.end(), extension) != media.end() ? Media : Content;
}

std::string whyNoRegularFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        std::error_code ignored;
        return std::filesystem::is_symlink(file, ignored) ? "it is a link to nothing"
                                                          : "there is no such file";
    }
    if (error)
        return error.message();
    if (status.type() != std::filesystem::file_type::regular)
        return describe(status.type());
    return {};
}

void requireRegularFile(const std::filesystem::path& file) {
    if (const std::string why = whyNoRegularFile(file); !why.empty())
        refuse(file, why);
}

std::string readRegularFile(const std::filesystem::path& file, std::size_t limit) {
    requireRegularFile(file);
    // Non-blocking: should the file be swapped for a pipe after the test, opening still returns.
    FileDescriptor in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (in.get() < 0)
        refuse(file, std::strerror(errno));
    struct stat opened {};
    if (::fstat(in.get(), &opened) != 0)
        refuse(file, std::strerror(errno));
    if (!S_ISREG(opened.st_mode))
        refuse(file, "it is not a regular file");
    if (static_cast<unsigned long long>(opened.st_size) > limit)
        refuse(file, "it holds " + sizeText(static_cast<std::size_t>(opened.st_size)) + ", more than the " +
                         sizeText(limit) + " allowed");

    // The size told is read in place; what follows (a file that grows while it is read) comes
    // through a small buffer, up to the limit.
    std::string text(static_cast<std::size_t>(opened.st_size), '\0');
    std::size_t filled = 0;
    std::array<char, 4096> more;
    while (true) {
        const bool inPlace = filled < text.size();
        char* target = inPlace ? text.data() + filled : more.data();
        const std::size_t room = inPlace ? text.size() - filled : more.size();
        const ssize_t count = ::read(in.get(), target, room);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            refuse(file, std::strerror(errno));
        }
        if (count == 0)
            break;
        if (!inPlace)
            text.append(more.data(), static_cast<std::size_t>(count));
        filled += static_cast<std::size_t>(count);
        if (filled > limit)
            refuse(file, "it holds more than the " + sizeText(limit) + " allowed");
    }
    text.resize(filled);
    return text;
}

} // namespace orv

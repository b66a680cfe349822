#pragma once

#include <unistd.h>

namespace orv {

// An open file descriptor, closed when the scope ends, whatever way it ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
    int get() const { return fd; }
    // Closing can report a write error of its own.
    bool close() {
        const int result = ::close(fd);
        fd = -1;
        return result == 0;
    }

private:
    int fd;
};

} // namespace orv

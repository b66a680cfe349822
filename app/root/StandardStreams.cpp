#include "app/root/StandardStreams.hpp"

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace tarsk {

void secureStandardStreams() {
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number: this one, since those below it are open by now.
        const int opened = ::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened > descriptor) {
            ::dup2(opened, descriptor);
            ::close(opened);
        }
    }
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace tarsk

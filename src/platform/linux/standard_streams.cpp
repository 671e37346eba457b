#include "standard_streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace zeltavor::linux_platform {

void MakeStandardStreamsSafe() {
    // open() takes the lowest free descriptor: the one found closed.
    for (int descriptor = 0; descriptor <= 2; ++descriptor)
        if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) ::open("/dev/null", O_RDWR);
    std::signal(SIGPIPE, SIG_IGN);
    // A descriptor of its own on the same pipe may wait for nobody; whoever
    // else writes into the pipe keeps theirs as it was.
    struct stat status {};
    if (::fstat(STDERR_FILENO, &status) != 0 || !S_ISFIFO(status.st_mode)) return;
    const int own = ::open("/proc/self/fd/2", O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (own < 0) return;
    ::dup2(own, STDERR_FILENO);
    ::close(own);
}

}  // namespace zeltavor::linux_platform

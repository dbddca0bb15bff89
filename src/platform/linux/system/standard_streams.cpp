#include "platform/linux/system/standard_streams.h"

#include <cerrno>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace horalet::platform::os {

namespace {

bool isOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1 || errno != EBADF;
}

} // namespace

bool holdStandardStreams()
{
    const bool outputOpen = isOpen(STDOUT_FILENO);
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (!isOpen(fd)) {
            // open() takes the lowest free number, which is this one.
            static_cast<void>(::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY));
        }
    }
    return outputOpen;
}

} // namespace horalet::platform::os

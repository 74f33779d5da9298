#include "support/StandardDescriptorsLinux.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void ReserveStandardDescriptors()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
    {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
        {
            continue;
        }
        // The lowest free descriptor is this one, since those below it are open.
        const int nOpened = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (nOpened != fd && nOpened >= 0)
        {
            close(nOpened);
        }
    }
}

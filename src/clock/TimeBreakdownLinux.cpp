#include "clock/TimeBreakdown.h"

#include <cerrno>
#include <time.h>

int BreakDownLocal(std::time_t time, std::tm& record)
{
    errno = 0;
    return localtime_r(&time, &record) != nullptr ? 0 : (errno != 0 ? errno : EOVERFLOW);
}

int BreakDownUtc(std::time_t time, std::tm& record)
{
    errno = 0;
    return gmtime_r(&time, &record) != nullptr ? 0 : (errno != 0 ? errno : EOVERFLOW);
}

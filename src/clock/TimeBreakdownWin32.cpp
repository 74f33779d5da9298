#include "clock/TimeBreakdown.h"

int BreakDownLocal(std::time_t time, std::tm& record)
{
    return localtime_s(&record, &time);
}

int BreakDownUtc(std::time_t time, std::tm& record)
{
    return gmtime_s(&record, &time);
}

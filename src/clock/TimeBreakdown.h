#pragma once

#include <ctime>

// Reentrant breakdowns of the runtime library; each returns 0 or an errno value.
int BreakDownLocal(std::time_t time, std::tm& record);
int BreakDownUtc(std::time_t time, std::tm& record);

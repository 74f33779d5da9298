#pragma once

// Platform adapter: the separator of this platform's paths ("/" on Linux, "\" on Windows).
wchar_t GetPathSeparator();

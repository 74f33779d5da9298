#include "support/LoadResourceString.h"

#include "support/StringTable.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

namespace
{
// The loader's buffers hold 1023 characters with the terminator, so a text keeps at most 1022.
constexpr std::size_t kMaxTextLength = 1022;

std::wstring FormatEntry(const std::wstring& strFormat, std::va_list args)
{
    // Format into a buffer large enough for the whole result, then cut it to the loader's limit,
    // so an over-long result is cut the same way on every runtime library.
    std::vector<wchar_t> buffer(2 * (kMaxTextLength + 1));
    for (;;)
    {
        std::va_list argsCopy;
        va_copy(argsCopy, args);
        const int nWritten =
            std::vswprintf(buffer.data(), buffer.size(), strFormat.c_str(), argsCopy);
        va_end(argsCopy);
        if (nWritten >= 0)
        {
            std::wstring strResult(buffer.data(), static_cast<std::size_t>(nWritten));
            if (strResult.size() > kMaxTextLength)
            {
                strResult.resize(kMaxTextLength);
            }
            return strResult;
        }
        if (buffer.size() >= 64 * (kMaxTextLength + 1))
        {
            return std::wstring(); // a conversion the formatter rejects, not a lack of room
        }
        buffer.resize(buffer.size() * 2);
    }
}
} // namespace

std::wstring LoadResourceString(unsigned int nId, ...)
{
    std::wstring strFormat = LoadStringTableEntry(nId).value_or(L"");
    if (strFormat.size() > kMaxTextLength)
    {
        strFormat.resize(kMaxTextLength);
    }
    std::va_list args;
    va_start(args, nId);
    std::wstring strResult = FormatEntry(strFormat, args);
    va_end(args);
    return strResult;
}

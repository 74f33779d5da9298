#include "support/RegularFile.h"
#include "support/TextConvert.h"
#include "support/UniqueHandleWin32.h"

std::optional<std::vector<char>> ReadRegularFile(const std::string& strPath, bool bFollowLink,
                                                 std::size_t nMaxBytes)
{
    // Without bFollowLink a reparse point (a symbolic link or junction) is opened as itself, and
    // then refused below because it is no plain file.
    const DWORD nFlags = FILE_ATTRIBUTE_NORMAL | (bFollowLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const CFileHandle file(CreateFileW(Utf8ToWide(strPath).c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, nFlags, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.IsValid() || GetFileType(file.Get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
    {
        return std::nullopt;
    }
    const unsigned long long nSize =
        (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (nSize > nMaxBytes)
    {
        return std::nullopt;
    }
    std::vector<char> aContent;
    aContent.reserve(static_cast<std::size_t>(nSize) + kRegularFileSpareBytes);
    char aBuffer[65536];
    for (;;)
    {
        DWORD nRead = 0;
        if (!ReadFile(file.Get(), aBuffer, sizeof(aBuffer), &nRead, nullptr))
        {
            return std::nullopt;
        }
        if (nRead == 0)
        {
            return aContent;
        }
        if (nRead > nMaxBytes - aContent.size())
        {
            return std::nullopt; // grew past the limit while being read
        }
        aContent.insert(aContent.end(), aBuffer, aBuffer + nRead);
    }
}

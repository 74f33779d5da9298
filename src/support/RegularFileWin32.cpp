#include "support/RegularFile.h"
#include "support/TextConvert.h"
#include "support/UniqueHandleWin32.h"

std::optional<std::vector<char>> ReadRegularFile(const std::string& strPath, bool bFollowLink)
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
    std::vector<char> aContent;
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
        aContent.insert(aContent.end(), aBuffer, aBuffer + nRead);
    }
}

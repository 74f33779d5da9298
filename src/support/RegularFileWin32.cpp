#include "support/LongPathWin32.h"
#include "support/RegularFile.h"
#include "support/TextConvert.h"
#include "support/UniqueHandleWin32.h"

namespace
{
EFileReadError ClassifyOpenError(DWORD nError)
{
    switch (nError)
    {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return EFileReadError::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EFileReadError::PermissionDenied;
    default:
        return EFileReadError::ReadFailed;
    }
}
} // namespace

std::optional<std::vector<char>> ReadRegularFile(const std::string& strPath, bool bFollowLink,
                                                 std::size_t nMaxBytes, EFileReadError* pError)
{
    // Without bFollowLink a reparse point (a symbolic link or junction) is opened as itself, and
    // then refused below because it is no plain file.
    const DWORD nFlags = FILE_ATTRIBUTE_NORMAL | (bFollowLink ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    const CFileHandle file(CreateFileW(ToExtendedLengthPath(Utf8ToWide(strPath)).c_str(),
                                       GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                       nullptr, OPEN_EXISTING, nFlags, nullptr));
    if (!file.IsValid())
    {
        return FailRead(pError, ClassifyOpenError(GetLastError()));
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file.Get()) != FILE_TYPE_DISK ||
        !GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
    {
        return FailRead(pError, EFileReadError::NotRegularFile);
    }
    const unsigned long long nSize =
        (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (nSize > nMaxBytes)
    {
        return FailRead(pError, EFileReadError::TooLarge);
    }
    std::vector<char> aContent;
    aContent.reserve(static_cast<std::size_t>(nSize) + kRegularFileSpareBytes);
    char aBuffer[65536];
    for (;;)
    {
        DWORD nRead = 0;
        if (!ReadFile(file.Get(), aBuffer, sizeof(aBuffer), &nRead, nullptr))
        {
            return FailRead(pError, EFileReadError::ReadFailed);
        }
        if (nRead == 0)
        {
            return aContent;
        }
        if (nRead > nMaxBytes - aContent.size())
        {
            return FailRead(pError, EFileReadError::TooLarge); // grew while being read
        }
        aContent.insert(aContent.end(), aBuffer, aBuffer + nRead);
    }
}

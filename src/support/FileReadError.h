#pragma once

#include <optional>
#include <string>

// Why a file could not be read, in the words every platform shares.
enum class EFileReadError
{
    None,
    NotFound,
    PermissionDenied,
    NotRegularFile, // a folder, a pipe, a device, or a link where none is followed
    TooLarge,
    ReadFailed,
};

// False, with the reason in *pError when the caller asked for it: how a reader gives up.
inline bool RefuseRead(EFileReadError* pError, EFileReadError error)
{
    if (pError != nullptr)
    {
        *pError = error;
    }
    return false;
}

// The same for a reader that returns its content.
inline std::nullopt_t FailRead(EFileReadError* pError, EFileReadError error)
{
    RefuseRead(pError, error);
    return std::nullopt;
}

// "No such file or directory", "Permission denied", ...
std::wstring DescribeFileReadError(EFileReadError error);

// "not well-formed XML at line 3"; without the line when the parser gives none (0).
std::wstring DescribeXmlParseError(int nLine);

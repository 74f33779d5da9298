#include "support/FileReadError.h"

std::wstring DescribeFileReadError(EFileReadError error)
{
    switch (error)
    {
    case EFileReadError::None:
        return std::wstring();
    case EFileReadError::NotFound:
        return L"No such file or directory";
    case EFileReadError::PermissionDenied:
        return L"Permission denied";
    case EFileReadError::NotRegularFile:
        return L"Not a regular file";
    case EFileReadError::TooLarge:
        return L"File too large";
    case EFileReadError::ReadFailed:
        break;
    }
    return L"Input/output error";
}

std::wstring DescribeXmlParseError(int nLine)
{
    std::wstring strText = L"not well-formed XML";
    if (nLine > 0)
    {
        strText += L" at line " + std::to_wstring(nLine);
    }
    return strText;
}

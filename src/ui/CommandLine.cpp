#include "ui/CommandLine.h"

#include "support/PathSeparator.h"

bool IsSwitchArgument(const std::wstring& strArgument, bool bPosixPaths)
{
    if (strArgument.empty())
    {
        return false;
    }
    if (strArgument[0] == L'-')
    {
        return true;
    }
    if (strArgument[0] == L'/')
    {
        return !bPosixPaths || strArgument.find(L'/', 1) == std::wstring::npos;
    }
    return false;
}

std::wstring FindLogPath(const std::vector<std::wstring>& aArguments, bool bPosixPaths)
{
    for (const std::wstring& strArgument : aArguments)
    {
        if (!strArgument.empty() && !IsSwitchArgument(strArgument, bPosixPaths))
        {
            return strArgument;
        }
    }
    return std::wstring();
}

std::wstring FindLogPath(const std::vector<std::wstring>& aArguments)
{
    return FindLogPath(aArguments, GetPathSeparator() == L'/');
}

EDialogRequest FindDialogRequest(const std::vector<std::wstring>& aArguments)
{
    for (const std::wstring& strArgument : aArguments)
    {
        if (strArgument == L"-h" || strArgument == L"--help")
        {
            return EDialogRequest::Help;
        }
        if (strArgument == L"--version")
        {
            return EDialogRequest::Version;
        }
    }
    return EDialogRequest::Run;
}

#include "run/LogFile.h"

std::FILE* CLogFile::OpenForWriting(const std::wstring& strPath)
{
    if (strPath.empty())
    {
        return nullptr;
    }
    // Text mode, as the log is narrow text; the run writes no line break.
    return _wfopen(strPath.c_str(), L"w");
}

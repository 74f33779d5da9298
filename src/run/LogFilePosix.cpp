#include "run/LogFile.h"
#include "support/TextConvert.h"

std::FILE* CLogFile::OpenForWriting(const std::wstring& strPath)
{
    if (strPath.empty())
    {
        return nullptr;
    }
    return std::fopen(WideToUtf8(strPath).c_str(), "w");
}

#include "support/CsvFields.h"

std::optional<std::vector<std::string>> SplitCsvLine(const std::string& strLine)
{
    std::vector<std::string> aFields(1);
    bool bQuoted = false;
    for (std::size_t i = 0; i < strLine.size(); ++i)
    {
        const char ch = strLine[i];
        if (bQuoted && ch == '"' && i + 1 < strLine.size() && strLine[i + 1] == '"')
        {
            aFields.back() += '"';
            ++i;
        }
        else if (ch == '"')
        {
            bQuoted = !bQuoted;
        }
        else if (ch == ',' && !bQuoted)
        {
            aFields.emplace_back();
        }
        else
        {
            aFields.back() += ch;
        }
    }
    return bQuoted ? std::nullopt : std::optional(aFields);
}

std::optional<std::vector<std::string>> SplitCrlfLines(const std::string& strText)
{
    std::vector<std::string> aLines;
    std::size_t nStart = 0;
    for (std::size_t nEnd = strText.find("\r\n"); nEnd != std::string::npos;
         nEnd = strText.find("\r\n", nStart))
    {
        aLines.push_back(strText.substr(nStart, nEnd - nStart));
        nStart = nEnd + 2;
    }
    return nStart == strText.size() ? std::optional(aLines) : std::nullopt;
}

#include "diagnostics/ReportNumbers.h"

#include <clocale>
#include <cwchar>
#include <locale.h>
#include <string>

namespace
{
// Switches this thread alone to the C locale's numbers for one conversion, whatever the program's
// locale is.
class CCLocaleScope
{
public:
    CCLocaleScope() : m_nPreviousMode(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE))
    {
        const char* pszPrevious = std::setlocale(LC_NUMERIC, nullptr);
        m_strPrevious = pszPrevious != nullptr ? pszPrevious : "C";
        std::setlocale(LC_NUMERIC, "C");
    }
    CCLocaleScope(const CCLocaleScope&) = delete;
    CCLocaleScope& operator=(const CCLocaleScope&) = delete;
    ~CCLocaleScope()
    {
        std::setlocale(LC_NUMERIC, m_strPrevious.c_str());
        _configthreadlocale(m_nPreviousMode);
    }

private:
    int m_nPreviousMode;
    std::string m_strPrevious;
};
} // namespace

double ParseCLocaleDouble(const std::wstring& strText)
{
    const CCLocaleScope scope;
    return std::wcstod(strText.c_str(), nullptr);
}

#include "diagnostics/ReportNumbers.h"

#include <clocale>
#include <cwchar>
#include <locale.h>

namespace
{
locale_t GetCLocale()
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return cLocale;
}

// Switches this thread to the C locale for one conversion, whatever the program's locale is.
class CCLocaleScope
{
public:
    CCLocaleScope() : m_previous(uselocale(GetCLocale())) {}
    CCLocaleScope(const CCLocaleScope&) = delete;
    CCLocaleScope& operator=(const CCLocaleScope&) = delete;
    ~CCLocaleScope() { uselocale(m_previous); }

private:
    locale_t m_previous;
};
} // namespace

double ParseCLocaleDouble(const std::wstring& strText)
{
    const CCLocaleScope scope;
    return std::wcstod(strText.c_str(), nullptr);
}

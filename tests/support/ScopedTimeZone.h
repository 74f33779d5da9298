#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

// Sets TZ for the process while it lives, then puts the previous value back.
class CScopedTimeZone
{
public:
    explicit CScopedTimeZone(const char* pszZone)
    {
        if (const char* pszPrevious = std::getenv("TZ"))
        {
            m_strPrevious = pszPrevious;
        }
        setenv("TZ", pszZone, 1);
        tzset();
    }
    CScopedTimeZone(const CScopedTimeZone&) = delete;
    CScopedTimeZone& operator=(const CScopedTimeZone&) = delete;
    ~CScopedTimeZone()
    {
        if (m_strPrevious)
        {
            setenv("TZ", m_strPrevious->c_str(), 1);
        }
        else
        {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    std::optional<std::string> m_strPrevious;
};

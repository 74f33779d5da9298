#pragma once

#include <cstdint>
#include <string>

// The program's one exception type: raised and caught by value, read field by field.
class CZelSimpleException
{
public:
    CZelSimpleException(std::int32_t nCode, std::wstring strMessage)
        : m_nCode(nCode), m_strMessage(std::move(strMessage))
    {
    }

    std::int32_t m_nCode;
    std::wstring m_strMessage;
};

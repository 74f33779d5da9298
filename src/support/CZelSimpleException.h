#pragma once

#include <cstdint>
#include <string>

// The program's one exception type: raised and caught by value, read field by field.
class CZelSimpleException
{
public:
    CZelSimpleException(std::int32_t nCode, std::wstring strMessage, std::wstring strDetail = {})
        : m_nCode(nCode), m_strMessage(std::move(strMessage)), m_strDetail(std::move(strDetail))
    {
    }

    std::int32_t m_nCode;
    std::wstring m_strMessage;
    std::wstring m_strDetail; // why, for a console that can say more than the box; may be empty
};

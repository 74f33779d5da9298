#include "ui/cli/MachineName.h"

#include <windows.h>

std::wstring GetMachineName()
{
    DWORD nSize = 0;
    GetComputerNameExW(ComputerNameDnsHostname, nullptr, &nSize);
    if (nSize == 0)
    {
        return std::wstring();
    }
    std::wstring strName(nSize, L'\0');
    if (!GetComputerNameExW(ComputerNameDnsHostname, strName.data(), &nSize))
    {
        return std::wstring();
    }
    strName.resize(nSize);
    return strName;
}

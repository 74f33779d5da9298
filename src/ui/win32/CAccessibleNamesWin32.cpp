#include "ui/win32/CAccessibleNamesWin32.h"

#include <algorithm>

bool CAccessibleNames::Connect()
{
    return SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IAccPropServices, m_pServices.ReceiveVoid()));
}

bool CAccessibleNames::SetName(HWND hWnd, const std::wstring& strName)
{
    return SetText(hWnd, PROPID_ACC_NAME, strName);
}

bool CAccessibleNames::SetDescription(HWND hWnd, const std::wstring& strDescription)
{
    return SetText(hWnd, PROPID_ACC_DESCRIPTION, strDescription);
}

bool CAccessibleNames::SetText(HWND hWnd, const MSAAPROPID& property, const std::wstring& strText)
{
    if (!m_pServices)
    {
        return false;
    }
    const HRESULT hr = m_pServices->SetHwndPropStr(hWnd, static_cast<DWORD>(OBJID_CLIENT),
                                                   CHILDID_SELF, property, strText.c_str());
    if (FAILED(hr))
    {
        return false;
    }
    if (std::find(m_aAnnotated.begin(), m_aAnnotated.end(), hWnd) == m_aAnnotated.end())
    {
        m_aAnnotated.push_back(hWnd);
    }
    return true;
}

void CAccessibleNames::Clear()
{
    if (m_pServices)
    {
        MSAAPROPID aProperties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
        for (HWND hWnd : m_aAnnotated)
        {
            m_pServices->ClearHwndProps(hWnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                        aProperties, 2);
        }
    }
    m_aAnnotated.clear();
}

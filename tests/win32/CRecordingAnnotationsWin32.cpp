#include "win32/CRecordingAnnotationsWin32.h"

#include <stdexcept>

CRecordingAnnotations::CRecordingAnnotations()
{
    if (FAILED(CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory*>(this),
                                     CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_nCookie)))
    {
        throw std::runtime_error("CoRegisterClassObject failed");
    }
}

CRecordingAnnotations::~CRecordingAnnotations()
{
    CoRevokeClassObject(m_nCookie);
}

std::wstring CRecordingAnnotations::GetName(HWND hWnd) const
{
    const auto it = m_names.find(hWnd);
    return it != m_names.end() ? it->second : L"(none)";
}

HRESULT CRecordingAnnotations::QueryInterface(REFIID riid, void** ppObject)
{
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory))
    {
        *ppObject = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    if (IsEqualIID(riid, IID_IAccPropServices))
    {
        *ppObject = static_cast<IAccPropServices*>(this);
        return S_OK;
    }
    *ppObject = nullptr;
    return E_NOINTERFACE;
}

HRESULT CRecordingAnnotations::CreateInstance(IUnknown* pOuter, REFIID riid, void** ppObject)
{
    if (pOuter != nullptr)
    {
        return CLASS_E_NOAGGREGATION;
    }
    return QueryInterface(riid, ppObject);
}

HRESULT CRecordingAnnotations::SetHwndPropStr(HWND hWnd, DWORD nObject, DWORD nChild,
                                              MSAAPROPID property, LPCWSTR pszText)
{
    if (nObject != static_cast<DWORD>(OBJID_CLIENT) || nChild != CHILDID_SELF)
    {
        return E_INVALIDARG;
    }
    if (IsEqualGUID(property, PROPID_ACC_NAME))
    {
        m_names[hWnd] = pszText;
        return S_OK;
    }
    if (IsEqualGUID(property, PROPID_ACC_DESCRIPTION))
    {
        m_descriptions[hWnd] = pszText;
        return S_OK;
    }
    return E_INVALIDARG;
}

HRESULT CRecordingAnnotations::ClearHwndProps(HWND hWnd, DWORD, DWORD, const MSAAPROPID*, int)
{
    m_descriptions.erase(hWnd);
    m_nCleared += static_cast<int>(m_names.erase(hWnd));
    return S_OK;
}

HRESULT CRecordingAnnotations::SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int,
                                             IAccPropServer*, AnnoScope)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int,
                                                 IAccPropServer*, AnnoScope)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*,
                                                           DWORD*)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int,
                                                  IAccPropServer*, AnnoScope)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*)
{
    return E_NOTIMPL;
}
HRESULT CRecordingAnnotations::DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*)
{
    return E_NOTIMPL;
}

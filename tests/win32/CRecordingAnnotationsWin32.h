#pragma once

#include <map>
#include <oleacc.h>
#include <string>
#include <windows.h>

// Stands in for the system's annotation service while it lives: it is registered as the class
// that CoCreateInstance(CLSID_AccPropServices) makes in this process, and keeps the accessible
// names that the dialog sets, by window, until they are cleared.
class CRecordingAnnotations : public IAccPropServices, public IClassFactory
{
public:
    CRecordingAnnotations();
    CRecordingAnnotations(const CRecordingAnnotations&) = delete;
    CRecordingAnnotations& operator=(const CRecordingAnnotations&) = delete;
    virtual ~CRecordingAnnotations();

    // The name set for the window, or "(none)".
    std::wstring GetName(HWND hWnd) const;

    std::map<HWND, std::wstring> m_names;
    std::map<HWND, std::wstring> m_descriptions;
    int m_nCleared = 0; // windows whose names were cleared

    // IUnknown: the object lives on the test's stack; references are not counted.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    // IClassFactory
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pOuter, REFIID riid,
                                             void** ppObject) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    // IAccPropServices: the two calls the dialog makes are recorded, the rest refused.
    HRESULT STDMETHODCALLTYPE SetHwndPropStr(HWND hWnd, DWORD nObject, DWORD nChild,
                                             MSAAPROPID property, LPCWSTR pszText) override;
    HRESULT STDMETHODCALLTYPE ClearHwndProps(HWND hWnd, DWORD nObject, DWORD nChild,
                                             const MSAAPROPID* pProperties, int nCount) override;
    HRESULT STDMETHODCALLTYPE SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override;
    HRESULT STDMETHODCALLTYPE SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int,
                                            IAccPropServer*, AnnoScope) override;
    HRESULT STDMETHODCALLTYPE ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override;
    HRESULT STDMETHODCALLTYPE SetHwndProp(HWND, DWORD, DWORD, MSAAPROPID, VARIANT) override;
    HRESULT STDMETHODCALLTYPE SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int,
                                                IAccPropServer*, AnnoScope) override;
    HRESULT STDMETHODCALLTYPE ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**,
                                                        DWORD*) override;
    HRESULT STDMETHODCALLTYPE DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*,
                                                          DWORD*) override;
    HRESULT STDMETHODCALLTYPE SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override;
    HRESULT STDMETHODCALLTYPE SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override;
    HRESULT STDMETHODCALLTYPE SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int,
                                                 IAccPropServer*, AnnoScope) override;
    HRESULT STDMETHODCALLTYPE ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override;
    HRESULT STDMETHODCALLTYPE ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override;
    HRESULT STDMETHODCALLTYPE DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*,
                                                           DWORD*) override;

private:
    DWORD m_nCookie = 0;
};

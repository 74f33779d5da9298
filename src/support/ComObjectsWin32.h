#pragma once

#include <new>
#include <string>
#include <windows.h> // with the COM and OLE Automation headers

// Owns one COM reference and releases it when it goes.
template <typename TInterface> class CComRef
{
public:
    CComRef() = default;
    CComRef(CComRef&& other) noexcept : m_pObject(other.m_pObject) { other.m_pObject = nullptr; }
    CComRef& operator=(CComRef&& other) noexcept
    {
        if (this != &other)
        {
            Reset();
            m_pObject = other.m_pObject;
            other.m_pObject = nullptr;
        }
        return *this;
    }
    CComRef(const CComRef&) = delete;
    CComRef& operator=(const CComRef&) = delete;
    ~CComRef() { Reset(); }

    TInterface* Get() const { return m_pObject; }
    TInterface* operator->() const { return m_pObject; }
    explicit operator bool() const { return m_pObject != nullptr; }
    // The address to receive a new reference into; the one held before is released first.
    TInterface** Receive()
    {
        Reset();
        return &m_pObject;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
    void Reset()
    {
        if (m_pObject != nullptr)
        {
            m_pObject->Release();
            m_pObject = nullptr;
        }
    }

private:
    TInterface* m_pObject = nullptr;
};

// Owns one BSTR. A string that cannot be allocated raises std::bad_alloc.
class CBstr
{
public:
    CBstr() = default;
    explicit CBstr(const wchar_t* pszText) : m_bstr(SysAllocString(pszText))
    {
        if (m_bstr == nullptr && pszText != nullptr)
        {
            throw std::bad_alloc();
        }
    }
    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;
    ~CBstr() { SysFreeString(m_bstr); }

    BSTR Get() const { return m_bstr; }
    BSTR* Receive()
    {
        SysFreeString(m_bstr);
        m_bstr = nullptr;
        return &m_bstr;
    }
    // The text with its recorded length; a null BSTR is the empty text.
    std::wstring ToString() const
    {
        return m_bstr != nullptr ? std::wstring(m_bstr, SysStringLen(m_bstr)) : std::wstring();
    }

private:
    BSTR m_bstr = nullptr;
};

// Owns one VARIANT and clears it when it goes.
class CVariant
{
public:
    CVariant() { VariantInit(&m_variant); }
    // A string variant holding a copy of the text.
    explicit CVariant(const wchar_t* pszText) : CVariant()
    {
        m_variant.bstrVal = SysAllocString(pszText);
        if (m_variant.bstrVal == nullptr)
        {
            throw std::bad_alloc();
        }
        m_variant.vt = VT_BSTR;
    }
    CVariant(const CVariant&) = delete;
    CVariant& operator=(const CVariant&) = delete;
    ~CVariant() { VariantClear(&m_variant); }

    const VARIANT& Get() const { return m_variant; }
    VARIANT* Receive()
    {
        VariantClear(&m_variant);
        return &m_variant;
    }

private:
    VARIANT m_variant;
};

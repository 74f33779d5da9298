#pragma once

#include <objbase.h>

// COM in a single-threaded apartment on the calling thread for the object's lifetime: the front
// ends hold one on their (the run's) thread for the report's document and, in the dialog, for
// the accessibility annotations.
class CComApartment
{
public:
    CComApartment() : m_hResult(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;
    ~CComApartment()
    {
        if (SUCCEEDED(m_hResult))
        {
            CoUninitialize();
        }
    }

private:
    HRESULT m_hResult;
};

#pragma once

#include "support/ComObjectsWin32.h"

#include <oleacc.h>
#include <string>
#include <vector>

// The names that screen readers read for windows whose text says too little, such as a verdict
// word that shows its meaning only by colour. Set through the system's annotation service
// (Dynamic Annotation), which the standard accessible objects of the controls consult; a system
// without the service leaves the names as the window texts. Every annotation is removed again
// when the object goes or Clear is called, before the windows are destroyed.
class CAccessibleNames
{
public:
    CAccessibleNames() = default;
    CAccessibleNames(const CAccessibleNames&) = delete;
    CAccessibleNames& operator=(const CAccessibleNames&) = delete;
    ~CAccessibleNames() { Clear(); }

    // Connects to the annotation service; needs COM on this thread. False when the system has no
    // service, and every later SetName is then false too.
    bool Connect();
    // True when the service took the name.
    bool SetName(HWND hWnd, const std::wstring& strName);
    // The longer text read after the name: a result row's value, reason and advice.
    bool SetDescription(HWND hWnd, const std::wstring& strDescription);
    void Clear();

private:
    bool SetText(HWND hWnd, const MSAAPROPID& property, const std::wstring& strText);

    CComRef<IAccPropServices> m_pServices;
    std::vector<HWND> m_aAnnotated;
};

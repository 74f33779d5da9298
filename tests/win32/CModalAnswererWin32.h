#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>
#include <windows.h>

// Answers the dialog boxes that this thread opens while the object lives, as a person would:
// a hook sees each box when it becomes active, reads it, and presses one of its buttons. The
// consent question gets m_nConsentAnswer, every other box OK.
class CModalAnswerer
{
public:
    struct SBox
    {
        std::wstring strCaption;
        std::wstring strText; // a message box's text
        unsigned int nStyle;  // a message box's buttons and icon, as MessageBoxW takes them
        std::map<int, std::wstring> controlTexts; // every child control's text, by id
    };

    // hIgnored: the main dialog, which is active between the boxes.
    explicit CModalAnswerer(HWND hIgnored);
    CModalAnswerer(const CModalAnswerer&) = delete;
    CModalAnswerer& operator=(const CModalAnswerer&) = delete;
    ~CModalAnswerer();

    std::vector<std::wstring> Captions() const;

    int m_nConsentAnswer = IDYES;
    std::vector<SBox> m_aBoxes;
    // Called with each box before it is answered, while it is open.
    std::function<void(HWND)> m_onBox;

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    void Answer(HWND hBox);

    HWND m_hIgnored;
    HHOOK m_hHook;
    std::set<HWND> m_aAnswered;
};

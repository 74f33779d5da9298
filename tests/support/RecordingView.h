#pragma once

#include "run/IRunView.h"
#include "run/MessageBoxStyle.h"

#include <functional>
#include <string>
#include <vector>

// A window that records what the run asked of it; message boxes are answered from a script.
class CRecordingView : public IRunView
{
public:
    struct SBox
    {
        std::wstring strCaption;
        std::wstring strText;
        unsigned int nStyle;
    };

    int ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                       unsigned int nStyle) override
    {
        m_aBoxes.push_back({strCaption, strText, nStyle});
        m_aEvents.push_back(L"box:" + strCaption);
        if (m_onBox)
        {
            m_onBox();
        }
        if ((nStyle & MessageBoxStyle::kButtonMask) == MessageBoxStyle::kYesNoCancel)
        {
            return m_nConsentAnswer;
        }
        return MessageBoxAnswer::kOk;
    }
    void ShowBusyText(bool bShow) override
    {
        m_bBusyShown = bShow;
        m_aEvents.push_back(bShow ? L"busy:show" : L"busy:hide");
    }
    void EnableRunButton(bool bEnable) override
    {
        m_bButtonEnabled = bEnable;
        m_aEvents.push_back(bEnable ? L"button:enable" : L"button:disable");
    }
    void Invalidate() override { m_aEvents.push_back(L"invalidate"); }
    void Repaint() override { m_aEvents.push_back(L"repaint"); }

    std::vector<std::wstring> Captions() const
    {
        std::vector<std::wstring> aCaptions;
        for (const SBox& box : m_aBoxes)
        {
            aCaptions.push_back(box.strCaption);
        }
        return aCaptions;
    }

    int m_nConsentAnswer = MessageBoxAnswer::kYes;
    std::vector<SBox> m_aBoxes;
    std::vector<std::wstring> m_aEvents;
    bool m_bBusyShown = false;
    bool m_bButtonEnabled = true;
    std::function<void()> m_onBox;
};

#pragma once

#include <string>

// What the run needs of its window. Each front end (dialog, console) implements it.
class IRunView
{
public:
    virtual ~IRunView() = default;

    // Modal; returns the button pressed (MessageBoxAnswer).
    virtual int ShowMessageBox(const std::wstring& strText, const std::wstring& strCaption,
                               unsigned int nStyle) = 0;
    virtual void ShowBusyText(bool bShow) = 0;
    virtual void EnableRunButton(bool bEnable) = 0;
    // Marks the whole window for repainting.
    virtual void Invalidate() = 0;
    // Paints what is marked, before returning.
    virtual void Repaint() = 0;
};

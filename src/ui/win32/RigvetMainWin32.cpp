// rigvet.exe: registers the common controls, takes the log path from the command line, runs the
// main dialog once and ends when it closes.
#include "clock/InternetTimeSource.h"
#include "support/ComApartmentWin32.h"
#include "support/CommandLineArgumentsWin32.h"
#include "support/ModulePath.h"
#include "support/TextConvert.h"
#include "run/CSystemSteps.h"
#include "ui/CommandLine.h"
#include "ui/OverrideCheck.h"
#include "ui/win32/CRigvetDialogWin32.h"

#include <commctrl.h>
#include <exception>
#include <windows.h>

namespace
{
constexpr int kExitUsage = 2;
constexpr int kExitFailed = 1;

// A program without a console reports what stops it in a box.
void ShowStartupError(const std::wstring& strText)
{
    MessageBoxW(nullptr, strText.c_str(), L"Rigvet", MB_OK | MB_ICONERROR);
}
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (const std::optional<std::string> strError = FindInvalidOverride())
    {
        ShowStartupError(Utf8ToWide(*strError));
        return kExitUsage;
    }
    const CComApartment apartment;
    try
    {
        PrepareInternetTimeSource();
        CSystemSteps steps;
        CRigvetDialogWin32 dialog(steps, GetModulePath());
        dialog.GetController().m_strLogPath = FindLogPath(ReadCommandLineArguments());
        dialog.DoModal();
    }
    catch (const std::exception& exception)
    {
        ShowStartupError(L"Rigvet stopped: " + Utf8ToWide(exception.what()));
        return kExitFailed;
    }
    return 0;
}

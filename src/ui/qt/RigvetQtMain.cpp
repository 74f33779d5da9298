#include "support/CFileVersion.h"
#include "support/ModulePath.h"
#include "support/StandardDescriptorsLinux.h"
#include "support/TextConvert.h"
#include "run/CRigvetDlg.h"
#include "run/CSystemSteps.h"
#include "ui/CommandLine.h"
#include "ui/DialogExitCodes.h"
#include "ui/DialogManual.h"
#include "ui/DisplayCheck.h"
#include "ui/OverrideCheck.h"
#include "ui/UsageText.h"
#include "ui/qt/CRigvetWindow.h"
#include "ui/qt/ScreenshotRun.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>

namespace
{
std::vector<std::wstring> ListArguments(int argc, char** argv)
{
    std::vector<std::wstring> aArguments;
    for (int i = 1; i < argc; ++i)
    {
        aArguments.push_back(Utf8ToWide(argv[i]));
    }
    return aArguments;
}

// --help and --version answer on the terminal, with or without a display, and open nothing.
void PrintRequest(EDialogRequest request)
{
    if (request == EDialogRequest::Help)
    {
        std::cout << FormatUsage(GetDialogManual());
        return;
    }
    const std::wstring strModulePath = GetModulePath();
    CFileVersion version;
    version.Read(strModulePath.empty() ? nullptr : strModulePath.c_str(), false);
    std::cout << "rigvet " << WideToUtf8(version.ToString()) << "\n";
}
} // namespace

int main(int argc, char** argv)
{
    ReserveStandardDescriptors();
    if (const EDialogRequest request = FindDialogRequest(ListArguments(argc, argv));
        request != EDialogRequest::Run)
    {
        PrintRequest(request);
        return kDialogExitSuccess;
    }
    if (const std::optional<std::string> strError = FindInvalidOverride())
    {
        std::cerr << "rigvet: " << *strError << "\n";
        return kDialogExitUsage;
    }
    SDisplayEnvironment environment;
    environment.pszDisplay = std::getenv("DISPLAY");
    environment.pszWaylandDisplay = std::getenv("WAYLAND_DISPLAY");
    environment.pszQtPlatform = std::getenv("QT_QPA_PLATFORM");
    if (!IsDisplayAvailable(environment))
    {
        std::cerr << "rigvet: no display to show the dialog on (neither DISPLAY nor "
                     "WAYLAND_DISPLAY is set); run rigvet-cli for the console instead.\n";
        return kDialogExitNoDisplay;
    }

    // Read after QApplication has taken its own options (-style fusion, ...) out of argv, so
    // that none of their values becomes the log path.
    QApplication application(argc, argv);
    const std::vector<std::wstring> aArguments = ListArguments(argc, argv);
    // Lets the desktop match the window to rigvet.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("rigvet"));

    CSystemSteps steps;
    const char* pszScreenshot = std::getenv("RIGVET_SCREENSHOT");
    const bool bScreenshot = pszScreenshot != nullptr && *pszScreenshot != '\0';
    CRigvetWindow window(steps, GetModulePath(),
                         bScreenshot ? AnswerBoxUnattended : CRigvetWindow::RunModalBox);
    window.GetController().m_strLogPath = FindLogPath(aArguments);
    if (bScreenshot)
    {
        return RunOnceAndSaveScreenshot(window, QString::fromLocal8Bit(pszScreenshot))
                   ? kDialogExitSuccess
                   : kDialogExitScreenshotFailed;
    }
    window.show();
    application.exec();
    return kDialogExitSuccess;
}

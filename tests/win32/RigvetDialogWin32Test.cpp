// The Win32 dialog in-process, made from its own template and run modally as rigvet.exe runs it,
// over the shared fake of the run's steps. A hook answers the boxes as a person would; the label
// colours are read back through WM_CTLCOLORSTATIC on a memory device context.
#include "support/FakeQualificationSteps.h"
#include "support/LoadResourceString.h"
#include "support/ModulePath.h"
#include "support/StringIds.h"
#include "support/UserAgent.h"
#include "ui/DialogControls.h"
#include "run/DialogIds.h"
#include "ui/win32/CRigvetDialogWin32.h"
#include "win32/CModalAnswererWin32.h"
#include "win32/CRecordingAnnotationsWin32.h"

#include <commctrl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace
{
constexpr COLORREF kGreen = RGB(0, 200, 0);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kGrey = RGB(100, 100, 100);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// Set before each read: a control the handler leaves alone keeps it.
constexpr COLORREF kUntouched = RGB(1, 2, 3);

const std::wstring kConsent = L"Internet Consent";

// A memory device context for the colour handler to write into.
class CMemoryDC
{
public:
    CMemoryDC() : m_hDC(CreateCompatibleDC(nullptr)) {}
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    ~CMemoryDC() { DeleteDC(m_hDC); }
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
};

struct SColour
{
    COLORREF nText;
    bool bWhiteBrush;
};

SColour ReadColour(HWND hDlg, UINT nMessage, HWND hControl)
{
    const CMemoryDC dc;
    SetTextColor(dc.Get(), kUntouched);
    const LRESULT nBrush = SendMessageW(hDlg, nMessage, reinterpret_cast<WPARAM>(dc.Get()),
                                        reinterpret_cast<LPARAM>(hControl));
    return {GetTextColor(dc.Get()),
            reinterpret_cast<HGDIOBJ>(nBrush) == GetStockObject(WHITE_BRUSH)};
}

// The colours of one requirement's "PASS", "FAIL" and "UNK".
struct SRowColours
{
    ERequirement requirement;
    COLORREF nPass;
    COLORREF nFail;
    COLORREF nUnknown;
};

void ExpectRowColours(HWND hDlg, const std::vector<SRowColours>& aExpected)
{
    ASSERT_EQ(aExpected.size(), 6u);
    for (const SResultLabel& label : GetResultLabels())
    {
        for (const SRowColours& row : aExpected)
        {
            if (row.requirement != label.requirement)
            {
                continue;
            }
            const COLORREF nExpected = label.word == ELabelWord::Pass   ? row.nPass
                                       : label.word == ELabelWord::Fail ? row.nFail
                                                                        : row.nUnknown;
            const SColour colour =
                ReadColour(hDlg, WM_CTLCOLORSTATIC, GetDlgItem(hDlg, label.nControlId));
            EXPECT_EQ(colour.nText, nExpected) << "control " << label.nControlId;
            EXPECT_TRUE(colour.bWhiteBrush) << "control " << label.nControlId;
        }
    }
}

const std::vector<SRowColours> kNeutral = {
    {ERequirement::Display, kGrey, kGrey, kBlack},  {ERequirement::Sound, kGrey, kGrey, kBlack},
    {ERequirement::Updates, kGrey, kGrey, kBlack},  {ERequirement::Memory, kGrey, kGrey, kBlack},
    {ERequirement::FreeDisk, kGrey, kGrey, kBlack}, {ERequirement::Clock, kGrey, kGrey, kBlack},
};

// The script of the running test, for the timer procedure.
const std::function<void(HWND)>* g_pScript = nullptr;
CRigvetDialogWin32* g_pDialog = nullptr;

void CALLBACK RunScript(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hDlg = g_pDialog->GetWindow();
    // The dialog shows itself once its message loop first runs idle.
    if (hDlg == nullptr || !IsWindowVisible(hDlg))
    {
        return;
    }
    KillTimer(nullptr, nTimer);
    (*g_pScript)(hDlg);
    // Closed as the Escape key closes it.
    PostMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
}

void PressButton(HWND hDlg, int nId)
{
    SendMessageW(GetDlgItem(hDlg, nId), BM_CLICK, 0, 0);
}

class RigvetDialogWin32 : public ::testing::Test
{
protected:
    // Runs the dialog modally, as rigvet.exe does, and runs fnScript from inside its message
    // loop once it is open; the dialog is closed when the script ends.
    void RunDialog(const std::function<void(HWND)>& fnScript)
    {
        bool bRan = false;
        const std::function<void(HWND)> fnWrapped = [&](HWND hDlg)
        {
            bRan = true;
            fnScript(hDlg);
        };
        g_pScript = &fnWrapped;
        g_pDialog = &m_dialog;
        ASSERT_NE(SetTimer(nullptr, 0, 1, RunScript), 0u);
        m_dialog.DoModal();
        EXPECT_TRUE(bRan);
        EXPECT_EQ(m_dialog.GetWindow(), nullptr);
    }

    // Presses the test button with the boxes answered, the consent question with nConsent.
    std::vector<CModalAnswerer::SBox> RunTest(HWND hDlg, int nConsent)
    {
        CModalAnswerer answerer(hDlg);
        answerer.m_nConsentAnswer = nConsent;
        PressButton(hDlg, IDC_RUN_TEST);
        return answerer.m_aBoxes;
    }

    static std::vector<std::wstring> Captions(const std::vector<CModalAnswerer::SBox>& aBoxes)
    {
        std::vector<std::wstring> aCaptions;
        for (const CModalAnswerer::SBox& box : aBoxes)
        {
            aCaptions.push_back(box.strCaption);
        }
        return aCaptions;
    }

    CFakeQualificationSteps m_steps;
    CRigvetDialogWin32 m_dialog{m_steps, GetModulePath()};
};

TEST_F(RigvetDialogWin32, OpensWithNeutralLabelsOnWhite)
{
    RunDialog(
        [&](HWND hDlg)
        {
            ExpectRowColours(hDlg, kNeutral);
            // The busy text is hidden and the test button has the focus.
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(hDlg, IDC_RUNNING)));
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDlg, IDC_RUN_TEST)));
            EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_RUN_TEST));
            // Every other control and the dialog itself are on white, their text colour left.
            for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild != nullptr;
                 hChild = GetWindow(hChild, GW_HWNDNEXT))
            {
                if (FindResultLabel(GetDlgCtrlID(hChild)) == nullptr)
                {
                    const SColour colour = ReadColour(hDlg, WM_CTLCOLORSTATIC, hChild);
                    EXPECT_EQ(colour.nText, kUntouched) << GetDlgCtrlID(hChild);
                    EXPECT_TRUE(colour.bWhiteBrush);
                }
            }
            EXPECT_TRUE(ReadColour(hDlg, WM_CTLCOLORDLG, hDlg).bWhiteBrush);
            EXPECT_TRUE(
                ReadColour(hDlg, WM_CTLCOLORBTN, GetDlgItem(hDlg, IDC_RUN_TEST)).bWhiteBrush);
            EXPECT_EQ(g_strUserAgent, L"Rigvet/5.6.7.8");
        });
}

struct SRunCase
{
    const char* pszName;
    std::function<void(CFakeQualificationSteps&)> fnPrepare;
    int nConsent;
    std::vector<std::wstring> aCaptions;
    std::vector<SRowColours> aColours;
};

void PrintTo(const SRunCase& test, std::ostream* pStream)
{
    *pStream << test.pszName;
}

class RigvetDialogWin32Run : public RigvetDialogWin32,
                             public ::testing::WithParamInterface<SRunCase>
{
};

TEST_P(RigvetDialogWin32Run, ColoursTheVerdictWords)
{
    GetParam().fnPrepare(m_steps);
    RunDialog(
        [&](HWND hDlg)
        {
            const std::vector<CModalAnswerer::SBox> aBoxes = RunTest(hDlg, GetParam().nConsent);
            EXPECT_EQ(Captions(aBoxes), GetParam().aCaptions);
            ExpectRowColours(hDlg, GetParam().aColours);
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(hDlg, IDC_RUNNING)));
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hDlg, IDC_RUN_TEST)));
        });
}

void PrepareGoodMachine(CFakeQualificationSteps& steps)
{
    steps.m_hardware.m_fFeatureLevel = 12.1f;
    steps.m_hardware.m_bSoundDevice = true;
    steps.m_hardware.m_nMemoryMB = 8192;
    steps.m_hardware.m_nFreeDiskMB = 50000;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RigvetDialogWin32Run,
    ::testing::Values(
        // Windows 10, everything met, the clock 3 s off.
        SRunCase{"Pass",
                 [](CFakeQualificationSteps& steps)
                 {
                     PrepareGoodMachine(steps);
                     steps.m_timeResponse.strDate = L"Thu, 01 Jan 2026 00:00:03 GMT";
                 },
                 IDYES,
                 {kConsent},
                 {{ERequirement::Display, kGreen, kGrey, kGrey},
                  {ERequirement::Sound, kGreen, kGrey, kGrey},
                  {ERequirement::Updates, kGreen, kGrey, kGrey},
                  {ERequirement::Memory, kGreen, kGrey, kGrey},
                  {ERequirement::FreeDisk, kGreen, kGrey, kGrey},
                  {ERequirement::Clock, kGreen, kGrey, kGrey}}},
        // Windows 7 SP1 short of everything, the updates missing, which also stops the clock.
        SRunCase{"Fail",
                 [](CFakeQualificationSteps& steps)
                 {
                     steps.m_osVersion = {6, 1, 1};
                     steps.m_hardware.m_nMemoryMB = 4094;
                     steps.m_hardware.m_nFreeDiskMB = 1023;
                     steps.m_strUpdatesFound.clear();
                 },
                 IDYES,
                 {kConsent, L"Error Occurred - 10003"},
                 {{ERequirement::Display, kGreen, kGrey, kGrey},
                  {ERequirement::Sound, kGrey, kRed, kGrey},
                  {ERequirement::Updates, kGrey, kRed, kGrey},
                  {ERequirement::Memory, kGrey, kRed, kGrey},
                  {ERequirement::FreeDisk, kGrey, kRed, kGrey},
                  {ERequirement::Clock, kGrey, kGrey, kBlack}}},
        // No to the consent question: the clock keeps its unfinished look.
        SRunCase{"NoConsent",
                 PrepareGoodMachine,
                 IDNO,
                 {kConsent},
                 {{ERequirement::Display, kGreen, kGrey, kGrey},
                  {ERequirement::Sound, kGreen, kGrey, kGrey},
                  {ERequirement::Updates, kGreen, kGrey, kGrey},
                  {ERequirement::Memory, kGreen, kGrey, kGrey},
                  {ERequirement::FreeDisk, kGreen, kGrey, kGrey},
                  {ERequirement::Clock, kGrey, kGrey, kBlack}}},
        // The diagnostics tool fails: the error box, then the verdicts of the empty record.
        SRunCase{"Error",
                 [](CFakeQualificationSteps& steps)
                 {
                     PrepareGoodMachine(steps);
                     steps.FailAt("CaptureDiagnosticsReport",
                                  CZelSimpleException(10005, L"The execution of dxdiag.exe has "
                                                             L"failed. Ret = -1"));
                 },
                 IDYES,
                 {kConsent, L"Error Occurred - 10005"},
                 {{ERequirement::Display, kGrey, kRed, kGrey},
                  {ERequirement::Sound, kGrey, kRed, kGrey},
                  {ERequirement::Updates, kGreen, kGrey, kGrey},
                  {ERequirement::Memory, kGrey, kRed, kGrey},
                  {ERequirement::FreeDisk, kGrey, kRed, kGrey},
                  {ERequirement::Clock, kGrey, kGrey, kBlack}}},
        // Cancel: nothing runs and the labels stay neutral.
        SRunCase{"Cancel", PrepareGoodMachine, IDCANCEL, {kConsent}, kNeutral}),
    [](const ::testing::TestParamInfo<SRunCase>& info) { return info.param.pszName; });

TEST_F(RigvetDialogWin32, BoxesCarryTheirIconsAndButtons)
{
    m_steps.FailAt("CaptureDiagnosticsReport",
                   CZelSimpleException(10005, L"The execution of dxdiag.exe has failed. Ret = -1"));
    RunDialog(
        [&](HWND hDlg)
        {
            const std::vector<CModalAnswerer::SBox> aBoxes = RunTest(hDlg, IDYES);
            ASSERT_EQ(aBoxes.size(), 2u);
            EXPECT_EQ(aBoxes[0].strText, LoadResourceString(IDS_CONSENT_TEXT));
            EXPECT_EQ(aBoxes[0].nStyle,
                      static_cast<unsigned int>(MB_YESNOCANCEL | MB_ICONQUESTION));
            EXPECT_EQ(aBoxes[1].strText, L"The execution of dxdiag.exe has failed. Ret = -1");
            EXPECT_EQ(aBoxes[1].nStyle, static_cast<unsigned int>(MB_OK | MB_ICONERROR));
        });
}

TEST_F(RigvetDialogWin32, ShowsTheBusyLookWhileWorking)
{
    bool bChecked = false;
    m_steps.m_onCapture = [&]
    {
        HWND hDlg = m_dialog.GetWindow();
        EXPECT_TRUE(IsWindowVisible(GetDlgItem(hDlg, IDC_RUNNING)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hDlg, IDC_RUN_TEST)));
        bChecked = true;
    };
    RunDialog(
        [&](HWND hDlg)
        {
            RunTest(hDlg, IDNO);
            // The keyboard user's focus is back on the button for another run.
            EXPECT_EQ(GetFocus(), GetDlgItem(hDlg, IDC_RUN_TEST));
        });
    EXPECT_TRUE(bChecked);
}

TEST_F(RigvetDialogWin32, ASecondRunStartsFromNeutralLabels)
{
    PrepareGoodMachine(m_steps);
    RunDialog(
        [&](HWND hDlg)
        {
            RunTest(hDlg, IDYES);
            CModalAnswerer answerer(hDlg);
            answerer.m_nConsentAnswer = IDCANCEL;
            // While the consent box of the second run is open, the verdicts are gone.
            answerer.m_onBox = [&](HWND) { ExpectRowColours(hDlg, kNeutral); };
            PressButton(hDlg, IDC_RUN_TEST);
            EXPECT_EQ(answerer.Captions(), std::vector<std::wstring>{kConsent});
        });
}

struct SHelpCase
{
    int nButton;
    unsigned int nCaption;
    unsigned int nText;
};

void PrintTo(const SHelpCase& test, std::ostream* pStream)
{
    *pStream << "button " << test.nButton;
}

class RigvetDialogWin32Help : public RigvetDialogWin32,
                              public ::testing::WithParamInterface<SHelpCase>
{
};

TEST_P(RigvetDialogWin32Help, ExplainsItsRequirement)
{
    RunDialog(
        [&](HWND hDlg)
        {
            CModalAnswerer answerer(hDlg);
            PressButton(hDlg, GetParam().nButton);
            ASSERT_EQ(answerer.m_aBoxes.size(), 1u);
            EXPECT_EQ(answerer.m_aBoxes[0].strCaption, LoadResourceString(GetParam().nCaption));
            EXPECT_EQ(answerer.m_aBoxes[0].strText, LoadResourceString(GetParam().nText));
            EXPECT_EQ(answerer.m_aBoxes[0].nStyle,
                      static_cast<unsigned int>(MB_OK | MB_ICONINFORMATION));
        });
    EXPECT_TRUE(m_steps.m_aCalls.empty()); // nothing is tested
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, RigvetDialogWin32Help,
    ::testing::Values(SHelpCase{IDC_HELP_DISPLAY, IDS_DISPLAY_HELP_CAPTION, IDS_DISPLAY_HELP_TEXT},
                      SHelpCase{IDC_HELP_SOUND, IDS_SOUND_HELP_CAPTION, IDS_SOUND_HELP_TEXT},
                      SHelpCase{IDC_HELP_UPDATES, IDS_UPDATES_HELP_CAPTION, IDS_UPDATES_HELP_TEXT},
                      SHelpCase{IDC_HELP_MEMORY, IDS_MEMORY_HELP_CAPTION, IDS_MEMORY_HELP_TEXT},
                      SHelpCase{IDC_HELP_DISK, IDS_DISK_HELP_CAPTION, IDS_DISK_HELP_TEXT},
                      SHelpCase{IDC_HELP_CLOCK, IDS_CLOCK_HELP_CAPTION, IDS_CLOCK_HELP_TEXT}));

TEST_F(RigvetDialogWin32, SystemMenuEndsWithTheAboutEntryAndTheResultEntries)
{
    RunDialog(
        [&](HWND hDlg)
        {
            HMENU hMenu = GetSystemMenu(hDlg, FALSE);
            ASSERT_NE(hMenu, nullptr);
            const int nCount = GetMenuItemCount(hMenu);
            ASSERT_GE(nCount, 4);
            const int nAbout = nCount - 3;
            EXPECT_EQ(GetMenuItemID(hMenu, nAbout), static_cast<UINT>(IDM_ABOUTBOX));
            wchar_t szText[64] = {};
            GetMenuStringW(hMenu, nAbout, szText, 64, MF_BYPOSITION);
            EXPECT_STREQ(szText, L"&About Rigvet...");
            EXPECT_TRUE(GetMenuState(hMenu, nAbout - 1, MF_BYPOSITION) & MF_SEPARATOR);
            EXPECT_EQ(GetMenuItemID(hMenu, nCount - 2), static_cast<UINT>(IDM_COPYRESULTS));
            EXPECT_EQ(GetMenuItemID(hMenu, nCount - 1), static_cast<UINT>(IDM_SAVERESULTS));
            GetMenuStringW(hMenu, nCount - 1, szText, 64, MF_BYPOSITION);
            EXPECT_STREQ(szText, L"&Save Results...\tCtrl+S");
        });
}

TEST_F(RigvetDialogWin32, AboutEntryOpensTheBoxWithThisProgramsVersions)
{
    RunDialog(
        [&](HWND hDlg)
        {
            CModalAnswerer answerer(hDlg);
            // What choosing the entry in the system menu sends; the low bits are the system's.
            SendMessageW(hDlg, WM_SYSCOMMAND, IDM_ABOUTBOX | 0x3, 0);
            SendMessageW(hDlg, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            ASSERT_EQ(answerer.m_aBoxes.size(), 2u);
            for (const CModalAnswerer::SBox& box : answerer.m_aBoxes)
            {
                EXPECT_EQ(box.strCaption, L"About Fieldora");
                EXPECT_EQ(box.controlTexts.at(IDC_VERSION_LINE),
                          L"Rigvet for Stimora 3.0 and Fieldora 1.0, Version 5.6.7.0");
                EXPECT_EQ(box.controlTexts.at(IDC_NOTICE_LINE), LoadResourceString(IDS_NOTICE));
                EXPECT_EQ(box.controlTexts.at(IDC_FILE_VERSION), L"5.6.7.8");
            }
        });
}

TEST_F(RigvetDialogWin32, HelpCommandDoesNothing)
{
    RunDialog(
        [&](HWND hDlg)
        {
            CModalAnswerer answerer(hDlg);
            SendMessageW(hDlg, WM_COMMAND, ID_HELP, 0);
            EXPECT_TRUE(answerer.m_aBoxes.empty());
            EXPECT_TRUE(IsWindow(hDlg));
        });
}

TEST_F(RigvetDialogWin32, GivesItsIconToDragAndToTheCaption)
{
    RunDialog(
        [&](HWND hDlg)
        {
            const LRESULT nDragIcon = SendMessageW(hDlg, WM_QUERYDRAGICON, 0, 0);
            EXPECT_NE(nDragIcon, 0);
            EXPECT_EQ(SendMessageW(hDlg, WM_GETICON, ICON_BIG, 0), nDragIcon);
            EXPECT_NE(SendMessageW(hDlg, WM_GETICON, ICON_SMALL, 0), 0);
        });
}

// The window and device context of each WM_ICONERASEBKGND sent on this thread.
std::vector<std::pair<HWND, WPARAM>> g_aIconErases;

LRESULT CALLBACK WatchIconErase(int nCode, WPARAM wParam, LPARAM lParam)
{
    const auto* pMessage = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pMessage->message == WM_ICONERASEBKGND)
    {
        g_aIconErases.emplace_back(pMessage->hwnd, pMessage->wParam);
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// Sends WM_PAINT to the dialog as the system would and returns whether its painting erased the
// background of a minimised window's icon.
bool PaintErasesIcon(HWND hDlg)
{
    g_aIconErases.clear();
    HHOOK hHook = SetWindowsHookExW(WH_CALLWNDPROC, WatchIconErase, nullptr, GetCurrentThreadId());
    // A minimised window's client area is empty, so the system itself has nothing to invalidate.
    SendMessageW(hDlg, WM_PAINT, 0, 0);
    UnhookWindowsHookEx(hHook);
    // The dialog has no class icon: only its own painting of the icon erases for it, on the
    // device context it paints on.
    return g_aIconErases.size() == 1 && g_aIconErases[0].first == hDlg &&
           g_aIconErases[0].second != 0;
}

TEST_F(RigvetDialogWin32, PaintsTheIconWhenMinimised)
{
    RunDialog(
        [&](HWND hDlg)
        {
            ShowWindow(hDlg, SW_MINIMIZE);
            ASSERT_TRUE(IsIconic(hDlg));
            EXPECT_TRUE(PaintErasesIcon(hDlg));
            ShowWindow(hDlg, SW_RESTORE);
            EXPECT_FALSE(PaintErasesIcon(hDlg)); // restored, the dialog paints as usual
        });
}

TEST_F(RigvetDialogWin32, AnExceptionFromAHandlerEndsTheDialogAndIsRaisedByDoModal)
{
    // Not one of the run's own failures, so the run does not catch it.
    m_steps.m_onCapture = [] { throw 42; };
    g_pDialog = &m_dialog;
    const std::function<void(HWND)> fnScript = [&](HWND hDlg) { RunTest(hDlg, IDNO); };
    g_pScript = &fnScript;
    ASSERT_NE(SetTimer(nullptr, 0, 1, RunScript), 0u);
    EXPECT_THROW(m_dialog.DoModal(), int);
    EXPECT_EQ(m_dialog.GetWindow(), nullptr);
}

TEST_F(RigvetDialogWin32, VerdictLabelsCarryTheirVerdictsForScreenReaders)
{
    CRecordingAnnotations annotations;
    PrepareGoodMachine(m_steps);
    m_steps.m_hardware.m_nMemoryMB = 2048;
    RunDialog(
        [&](HWND hDlg)
        {
            auto NameOf = [&](int nId) { return annotations.GetName(GetDlgItem(hDlg, nId)); };
            EXPECT_EQ(annotations.GetName(hDlg), L"Rigvet");
            EXPECT_EQ(NameOf(IDC_HELP_SOUND), L"Explain Sound Device");
            EXPECT_EQ(NameOf(IDC_DISPLAY_PASS), L"Display Device: not tested yet");
            EXPECT_EQ(NameOf(IDC_CLOCK_UNK), L"Accurate System Time: not tested yet");

            RunTest(hDlg, IDNO);
            for (const SResultLabel& label : GetResultLabels())
            {
                const std::wstring strName = NameOf(label.nControlId);
                switch (label.requirement)
                {
                case ERequirement::Memory:
                    EXPECT_EQ(strName, L"System Memory: FAIL");
                    break;
                case ERequirement::Clock:
                    EXPECT_EQ(strName, L"Accurate System Time: UNK");
                    break;
                default:
                    EXPECT_THAT(strName, ::testing::EndsWith(L": PASS"));
                }
            }
            // The window text stays the word that the colour marks.
            wchar_t szText[16] = {};
            GetDlgItemTextW(hDlg, IDC_MEMORY_FAIL, szText, 16);
            EXPECT_STREQ(szText, L"FAIL");
        });
    // Every annotation is gone with the dialog: 18 labels, 6 buttons and the dialog.
    EXPECT_TRUE(annotations.m_names.empty());
    EXPECT_EQ(annotations.m_nCleared, 25);
}

TEST_F(RigvetDialogWin32, FinishedRunExplainsItsRowsAndSumsUpWhereTheBusyTextWas)
{
    CRecordingAnnotations annotations;
    PrepareGoodMachine(m_steps);
    m_steps.m_hardware.m_nFreeDiskMB = 812;
    RunDialog(
        [&](HWND hDlg)
        {
            auto DescriptionOf = [&](int nId)
            { return annotations.m_descriptions[GetDlgItem(hDlg, nId)]; };
            auto TooltipOf = [&](ERequirement requirement)
            {
                wchar_t szText[512] = {};
                TTTOOLINFOW tool{};
                tool.cbSize = sizeof(tool);
                tool.hwnd = hDlg;
                tool.uId = static_cast<UINT_PTR>(requirement);
                tool.lpszText = szText;
                SendMessageW(m_dialog.GetRowTooltips(), TTM_GETTEXTW, 512,
                             reinterpret_cast<LPARAM>(&tool));
                return std::wstring(szText);
            };
            HWND hSummary = GetDlgItem(hDlg, IDC_SUMMARY);
            EXPECT_EQ(DescriptionOf(IDC_DISK_FAIL), L"Free Disk Space: not tested yet");
            EXPECT_EQ(TooltipOf(ERequirement::FreeDisk), L"Free Disk Space: not tested yet");
            EXPECT_FALSE(IsWindowVisible(hSummary));

            RunTest(hDlg, IDNO);
            EXPECT_EQ(DescriptionOf(IDC_DISK_PASS),
                      L"Free Disk Space: FAIL - 812 MB free; 1024 MB (of 1,000,000 bytes) or more "
                      L"must be free on the system drive. Free some space, then run the test "
                      L"again.");
            EXPECT_EQ(TooltipOf(ERequirement::FreeDisk), DescriptionOf(IDC_DISK_PASS));
            EXPECT_THAT(DescriptionOf(IDC_DISPLAY_UNK),
                        ::testing::StartsWith(L"Display Device: PASS - "));
            wchar_t szSummary[128] = {};
            GetWindowTextW(hSummary, szSummary, 128);
            EXPECT_STREQ(szSummary, L"Not ready: Free Disk Space failed; Accurate System Time "
                                    L"could not be checked.");
            EXPECT_TRUE(IsWindowVisible(hSummary));

            bool bHiddenDuringRun = false;
            m_steps.m_onCapture = [&] { bHiddenDuringRun = !IsWindowVisible(hSummary); };
            RunTest(hDlg, IDNO);
            EXPECT_TRUE(bHiddenDuringRun);
        });
    EXPECT_TRUE(annotations.m_descriptions.empty());
}

// Ctrl+C as the dialog's modal loop passes it to the message filter.
bool PressControlC(HWND hTarget)
{
    BYTE aKeys[256] = {};
    GetKeyboardState(aKeys);
    aKeys[VK_CONTROL] = 0x80;
    SetKeyboardState(aKeys);
    MSG message{hTarget, WM_KEYDOWN, 'C', 0x002E0001, 0, {}};
    const bool bHandled = CallMsgFilterW(&message, MSGF_DIALOGBOX) != FALSE;
    aKeys[VK_CONTROL] = 0;
    SetKeyboardState(aKeys);
    return bHandled;
}

std::wstring ReadClipboardText(HWND hOwner)
{
    std::wstring strText;
    if (OpenClipboard(hOwner))
    {
        if (HANDLE hData = GetClipboardData(CF_UNICODETEXT))
        {
            strText = static_cast<const wchar_t*>(GlobalLock(hData));
            GlobalUnlock(hData);
        }
        CloseClipboard();
    }
    return strText;
}

TEST_F(RigvetDialogWin32, CopyResultsPutsTheSixExplainedRowsOnTheClipboardAfterARun)
{
    PrepareGoodMachine(m_steps);
    m_steps.m_hardware.m_nFreeDiskMB = 812;
    RunDialog(
        [&](HWND hDlg)
        {
            HMENU hSystemMenu = GetSystemMenu(hDlg, FALSE);
            EXPECT_TRUE(GetMenuState(hSystemMenu, IDM_COPYRESULTS, MF_BYCOMMAND) & MF_GRAYED);
            EXPECT_TRUE(GetMenuState(hSystemMenu, IDM_SAVERESULTS, MF_BYCOMMAND) & MF_GRAYED);
            RunTest(hDlg, IDNO);
            EXPECT_FALSE(GetMenuState(hSystemMenu, IDM_COPYRESULTS, MF_BYCOMMAND) & MF_GRAYED);
            EXPECT_FALSE(GetMenuState(hSystemMenu, IDM_SAVERESULTS, MF_BYCOMMAND) & MF_GRAYED);

            ASSERT_TRUE(PressControlC(GetDlgItem(hDlg, IDC_RUN_TEST)));
            const std::wstring strText = ReadClipboardText(hDlg);
            EXPECT_THAT(strText, ::testing::StartsWith(L"Rigvet 5.6.7.8\r\nMachine: "));
            EXPECT_THAT(strText, ::testing::HasSubstr(L"Free Disk Space: FAIL (812 MB free)\r\n"
                                                      L"    1024 MB (of 1,000,000 bytes)"));
            std::size_t nRows = 0;
            for (const wchar_t* pszVerdict : {L": PASS (", L": FAIL (", L": UNK ("})
            {
                for (std::size_t nAt = strText.find(pszVerdict); nAt != std::wstring::npos;
                     nAt = strText.find(pszVerdict, nAt + 1))
                {
                    ++nRows;
                }
            }
            EXPECT_EQ(nRows, 6u);
        });
}
} // namespace

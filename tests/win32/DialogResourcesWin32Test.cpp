// The resources of rigvet.exe as the system finds them, and the two dialog templates as the
// dialog manager builds them: ids, classes, texts, styles, order, sizes and fonts.
#include "support/CFileVersion.h"
#include "run/DialogIds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include <windows.h>

using ::testing::HasSubstr;

namespace
{
const std::wstring kRigvetExe = []
{
    const std::string strPath = RIGVET_GUI_PATH;
    return std::wstring(strPath.begin(), strPath.end());
}();

// rigvet.exe loaded for its resources only.
class CResourceModule
{
public:
    explicit CResourceModule(const std::wstring& strPath)
        : m_hModule(LoadLibraryExW(strPath.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {
    }
    CResourceModule(const CResourceModule&) = delete;
    CResourceModule& operator=(const CResourceModule&) = delete;
    ~CResourceModule()
    {
        if (m_hModule != nullptr)
        {
            FreeLibrary(m_hModule);
        }
    }
    HMODULE Get() const { return m_hModule; }

private:
    HMODULE m_hModule;
};

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR pszName, LONG_PTR lParam)
{
    if (IS_INTRESOURCE(pszName))
    {
        reinterpret_cast<std::set<WORD>*>(lParam)->insert(
            static_cast<WORD>(reinterpret_cast<ULONG_PTR>(pszName)));
    }
    return TRUE;
}

std::set<WORD> ListNames(HMODULE hModule, LPCWSTR pszType)
{
    std::set<WORD> names;
    EnumResourceNamesW(hModule, pszType, CollectName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

std::string ReadManifest(HMODULE hModule)
{
    HRSRC hResource = FindResourceW(hModule, MAKEINTRESOURCEW(1), RT_MANIFEST);
    if (hResource == nullptr)
    {
        return "";
    }
    const auto* pData = static_cast<const char*>(LockResource(LoadResource(hModule, hResource)));
    return std::string(pData, SizeofResource(hModule, hResource));
}

TEST(RigvetExeResources, HoldTheTemplatesPicturesStringsVersionAndManifest)
{
    const CResourceModule module(kRigvetExe);
    ASSERT_NE(module.Get(), nullptr) << GetLastError();
    EXPECT_EQ(ListNames(module.Get(), RT_DIALOG),
              (std::set<WORD>{IDD_ABOUTBOX, IDD_RIGVET_DIALOG}));
    EXPECT_EQ(ListNames(module.Get(), RT_GROUP_ICON), std::set<WORD>{IDR_MAINFRAME});
    EXPECT_EQ(ListNames(module.Get(), RT_BITMAP), std::set<WORD>{IDB_BANNER});
    EXPECT_EQ(ListNames(module.Get(), RT_MANIFEST), std::set<WORD>{1});
    EXPECT_EQ(ListNames(module.Get(), RT_VERSION), std::set<WORD>{1});
    // The table's blocks of 16 entries: 101..111, 112..123, 10001..10005, 11000 and 25101.
    EXPECT_EQ(ListNames(module.Get(), RT_STRING),
              (std::set<WORD>{101 / 16 + 1, 123 / 16 + 1, 10001 / 16 + 1, 11000 / 16 + 1,
                              25101 / 16 + 1}));
    wchar_t szText[64] = {};
    EXPECT_GT(LoadStringW(module.Get(), 101, szText, 64), 0);
    EXPECT_STREQ(szText, L"&About Rigvet...");

    const HANDLE hBanner =
        LoadImageW(module.Get(), MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0);
    ASSERT_NE(hBanner, nullptr);
    BITMAP banner{};
    GetObjectW(hBanner, sizeof(banner), &banner);
    EXPECT_EQ(banner.bmWidth, 500);
    EXPECT_EQ(banner.bmHeight, 88);
    DeleteObject(hBanner);
    const HANDLE hIcon =
        LoadImageW(module.Get(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, 32, 32, 0);
    EXPECT_NE(hIcon, nullptr);
    DestroyIcon(static_cast<HICON>(hIcon));
}

TEST(RigvetExeResources, ManifestAsksForThemesTheUsersRightsDpiAndWindows7To11)
{
    const CResourceModule module(kRigvetExe);
    const std::string strManifest = ReadManifest(module.Get());
    EXPECT_THAT(strManifest, HasSubstr("name=\"Microsoft.Windows.Common-Controls\" "
                                       "version=\"6.0.0.0\""));
    EXPECT_THAT(strManifest, HasSubstr("level=\"asInvoker\""));
    EXPECT_THAT(strManifest, HasSubstr(">PerMonitorV2, PerMonitor</dpiAwareness>"));
    EXPECT_THAT(strManifest, HasSubstr(">true/pm</dpiAware>"));
    for (const char* pszWindows : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a",  // 7
                                   "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",  // 8
                                   "1f676c76-80e1-4239-95bb-83d0f6d0da78",  // 8.1
                                   "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) // 10 and 11
    {
        EXPECT_THAT(strManifest, HasSubstr(std::string("<supportedOS Id=\"{") + pszWindows));
    }
}

TEST(RigvetExeResources, VersionIsTheProjectsAndTheProgramHasNoConsole)
{
    CFileVersion version;
    ASSERT_TRUE(version.Read(kRigvetExe.c_str(), false));
    const std::string strVersion = RIGVET_PROJECT_VERSION;
    EXPECT_EQ(version.ToString(), std::wstring(strVersion.begin(), strVersion.end()));

    const CResourceModule module(kRigvetExe);
    // The module handle of a data file points one byte past the image.
    const auto* pImage = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module.Get()) &
                                                       ~static_cast<ULONG_PTR>(3));
    const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pImage);
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(pImage + pDos->e_lfanew);
    EXPECT_EQ(pNt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

INT_PTR CALLBACK KeepTemplateTexts(HWND, UINT nMessage, WPARAM, LPARAM)
{
    return nMessage == WM_INITDIALOG ? TRUE : FALSE;
}

// A dialog made from a template of this program (the same resource script as rigvet.exe's),
// with no code of its own, destroyed when it goes.
class CTemplateDialog
{
public:
    explicit CTemplateDialog(int nTemplate)
        : m_hDlg(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nTemplate), nullptr,
                                    KeepTemplateTexts, 0))
    {
    }
    CTemplateDialog(const CTemplateDialog&) = delete;
    CTemplateDialog& operator=(const CTemplateDialog&) = delete;
    ~CTemplateDialog() { DestroyWindow(m_hDlg); }
    HWND Get() const { return m_hDlg; }

private:
    HWND m_hDlg;
};

std::wstring ReadText(HWND hWnd)
{
    wchar_t szText[128] = {};
    GetWindowTextW(hWnd, szText, 128);
    return szText;
}

std::wstring ReadClass(HWND hWnd)
{
    wchar_t szClass[64] = {};
    GetClassNameW(hWnd, szClass, 64);
    return szClass;
}

std::vector<HWND> ListChildren(HWND hDlg)
{
    std::vector<HWND> aChildren;
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild != nullptr;
         hChild = GetWindow(hChild, GW_HWNDNEXT))
    {
        aChildren.push_back(hChild);
    }
    return aChildren;
}

// The place in pixels of a template's rectangle: corner and size are each converted on their own,
// as the dialog manager converts them.
RECT ToPixels(HWND hDlg, int nX, int nY, int nWidth, int nHeight)
{
    RECT corner{nX, nY, nWidth, nHeight};
    MapDialogRect(hDlg, &corner);
    return {corner.left, corner.top, corner.left + corner.right, corner.top + corner.bottom};
}

// The control's place in its dialog's client area.
RECT PlaceOf(HWND hDlg, HWND hControl)
{
    RECT rect{};
    GetWindowRect(hControl, &rect);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void ExpectFont(HWND hDlg)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hDlg, WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
    const HDC hScreen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(hScreen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, hScreen);
}

struct SControl
{
    int nId;
    const wchar_t* pszClass;
    const wchar_t* pszText;
};

constexpr int kNoId = 0xFFFF; // the templates' -1, as the dialog manager keeps it

TEST(MainDialogTemplate, HoldsTheControlsInTheirOrder)
{
    const CTemplateDialog dialog(IDD_RIGVET_DIALOG);
    ASSERT_NE(dialog.Get(), nullptr);
    const std::vector<SControl> aExpected = {
        {IDC_RUN_TEST, L"Button", L"Perform Stimora 3.0 PC Qualification Test"},
        {IDC_HELP_DISPLAY, L"Button", L"?"},
        {IDC_HELP_MEMORY, L"Button", L"?"},
        {IDC_HELP_SOUND, L"Button", L"?"},
        {IDC_HELP_DISK, L"Button", L"?"},
        {IDC_HELP_UPDATES, L"Button", L"?"},
        {kNoId, L"Static", L"\xFFFF\x84"}, // its text names bitmap 132 by number
        {kNoId, L"Button", L"Results"},
        {kNoId, L"Static", L"Display Device?"},
        {IDC_DISPLAY_PASS, L"Static", L"PASS"},
        {kNoId, L"Static", L"/"},
        {IDC_DISPLAY_FAIL, L"Static", L"FAIL"},
        {kNoId, L"Static", L"System Memory?"},
        {kNoId, L"Static", L"Sound Device?"},
        {kNoId, L"Static", L"Free Disk Space?"},
        {IDC_SOUND_PASS, L"Static", L"PASS"},
        {kNoId, L"Static", L"/"},
        {IDC_SOUND_FAIL, L"Static", L"FAIL"},
        {IDC_MEMORY_PASS, L"Static", L"PASS"},
        {kNoId, L"Static", L"/"},
        {IDC_MEMORY_FAIL, L"Static", L"FAIL"},
        {IDC_DISK_PASS, L"Static", L"PASS"},
        {kNoId, L"Static", L"/"},
        {IDC_DISK_FAIL, L"Static", L"FAIL"},
        {IDC_RUNNING, L"Static", L"Test is running... please wait a moment..."},
        {kNoId, L"Static", L"Windows Updates?"},
        {IDC_UPDATES_PASS, L"Static", L"PASS"},
        {kNoId, L"Static", L"/"},
        {IDC_UPDATES_FAIL, L"Static", L"FAIL"},
        {IDC_HELP_CLOCK, L"Button", L"?"},
        {kNoId, L"Static", L"Accurate System Time?"},
        {IDC_CLOCK_PASS, L"Static", L"PASS"},
        {kNoId, L"Static", L"/"},
        {IDC_CLOCK_FAIL, L"Static", L"FAIL"},
        {kNoId, L"Static", L"/"},
        {IDC_DISPLAY_UNK, L"Static", L"UNK"},
        {kNoId, L"Static", L"/"},
        {IDC_SOUND_UNK, L"Static", L"UNK"},
        {kNoId, L"Static", L"/"},
        {IDC_UPDATES_UNK, L"Static", L"UNK"},
        {kNoId, L"Static", L"/"},
        {IDC_MEMORY_UNK, L"Static", L"UNK"},
        {kNoId, L"Static", L"/"},
        {IDC_DISK_UNK, L"Static", L"UNK"},
        {kNoId, L"Static", L"/"},
        {IDC_CLOCK_UNK, L"Static", L"UNK"},
        {IDC_SUMMARY, L"Static", L""},
    };
    const std::vector<HWND> aChildren = ListChildren(dialog.Get());
    ASSERT_EQ(aChildren.size(), aExpected.size());
    for (std::size_t i = 0; i < aExpected.size(); ++i)
    {
        EXPECT_EQ(GetDlgCtrlID(aChildren[i]) & 0xFFFF, aExpected[i].nId) << "control " << i + 1;
        EXPECT_EQ(ReadClass(aChildren[i]), aExpected[i].pszClass) << "control " << i + 1;
        EXPECT_EQ(ReadText(aChildren[i]), aExpected[i].pszText) << "control " << i + 1;
        const LONG_PTR nStyle = GetWindowLongPtrW(aChildren[i], GWL_STYLE);
        // Only the busy text and the summary start hidden; the buttons are on the tab path.
        EXPECT_EQ((nStyle & WS_VISIBLE) != 0,
                  aExpected[i].nId != IDC_RUNNING && aExpected[i].nId != IDC_SUMMARY)
            << "control " << i + 1;
        if (aExpected[i].nId != kNoId && std::wstring(aExpected[i].pszClass) == L"Button")
        {
            EXPECT_TRUE(nStyle & WS_TABSTOP) << "control " << i + 1;
        }
    }
}

TEST(MainDialogTemplate, HasItsFrameSizeFontAndStyles)
{
    const CTemplateDialog dialog(IDD_RIGVET_DIALOG);
    HWND hDlg = dialog.Get();
    RECT client{};
    GetClientRect(hDlg, &client);
    const RECT expected = ToPixels(hDlg, 0, 0, 391, 213);
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
    ExpectFont(hDlg);
    EXPECT_EQ(ReadText(hDlg), L""); // a caption bar without text
    const LONG_PTR nStyle = GetWindowLongPtrW(hDlg, GWL_STYLE);
    EXPECT_EQ(nStyle & (WS_POPUP | WS_CAPTION | WS_SYSMENU), WS_POPUP | WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(nStyle & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);
    EXPECT_TRUE(GetWindowLongPtrW(hDlg, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    // The "?" buttons are flat, the banner shows bitmap 132 over its whole control, the busy
    // text is centred.
    for (int nId : {IDC_HELP_DISPLAY, IDC_HELP_SOUND, IDC_HELP_UPDATES, IDC_HELP_MEMORY,
                    IDC_HELP_DISK, IDC_HELP_CLOCK})
    {
        EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(hDlg, nId), GWL_STYLE) & BS_FLAT) << nId;
    }
    HWND hBanner = ListChildren(hDlg)[6];
    EXPECT_EQ(GetWindowLongPtrW(hBanner, GWL_STYLE) & SS_TYPEMASK, SS_BITMAP);
    EXPECT_NE(SendMessageW(hBanner, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(GetWindowLongPtrW(GetDlgItem(hDlg, IDC_RUNNING), GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
    // The rows sit inside the "Results" group, the busy text between it and the test button.
    const RECT group = PlaceOf(hDlg, ListChildren(hDlg)[7]);
    const RECT busy = PlaceOf(hDlg, GetDlgItem(hDlg, IDC_RUNNING));
    const RECT button = PlaceOf(hDlg, GetDlgItem(hDlg, IDC_RUN_TEST));
    EXPECT_GE(busy.top, group.bottom);
    EXPECT_LE(busy.bottom, button.top);
    for (int nId : {IDC_DISPLAY_PASS, IDC_CLOCK_UNK, IDC_HELP_CLOCK, IDC_HELP_UPDATES})
    {
        const RECT control = PlaceOf(hDlg, GetDlgItem(hDlg, nId));
        EXPECT_TRUE(control.left > group.left && control.right < group.right &&
                    control.top > group.top && control.bottom < group.bottom)
            << nId;
    }
}

TEST(AboutDialogTemplate, PlacesItsControlsAndKeepsTheNoticeOfTheStringTable)
{
    const CTemplateDialog dialog(IDD_ABOUTBOX);
    HWND hDlg = dialog.Get();
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(ReadText(hDlg), L"About Fieldora");
    RECT client{};
    GetClientRect(hDlg, &client);
    const RECT frame = ToPixels(hDlg, 0, 0, 281, 91);
    EXPECT_EQ(client.right, frame.right);
    EXPECT_EQ(client.bottom, frame.bottom);
    ExpectFont(hDlg);

    struct SPlace
    {
        int nId;
        RECT rect;
        const wchar_t* pszText;
    };
    const std::vector<SPlace> aExpected = {
        {kNoId, ToPixels(hDlg, 14, 14, 20, 20), nullptr},
        {IDC_VERSION_LINE, ToPixels(hDlg, 42, 14, 229, 8),
         L"Rigvet for Stimora 3.0 and Fieldora 1.0, Version 1.0"},
        {IDC_NOTICE_LINE, ToPixels(hDlg, 42, 28, 229, 8), nullptr},
        {IDOK, ToPixels(hDlg, 224, 70, 50, 14), L"OK"},
        {IDC_FILE_VERSION, ToPixels(hDlg, 42, 42, 169, 8), L""},
    };
    const std::vector<HWND> aChildren = ListChildren(hDlg);
    ASSERT_EQ(aChildren.size(), aExpected.size());
    for (std::size_t i = 0; i < aExpected.size(); ++i)
    {
        EXPECT_EQ(GetDlgCtrlID(aChildren[i]) & 0xFFFF, aExpected[i].nId);
        const RECT place = PlaceOf(hDlg, aChildren[i]);
        // The icon control takes the icon's own size; its corner is what the template sets.
        EXPECT_EQ(place.left, aExpected[i].rect.left) << i;
        EXPECT_EQ(place.top, aExpected[i].rect.top) << i;
        if (aExpected[i].nId != kNoId)
        {
            EXPECT_EQ(place.right, aExpected[i].rect.right) << i;
            EXPECT_EQ(place.bottom, aExpected[i].rect.bottom) << i;
        }
        if (aExpected[i].pszText != nullptr)
        {
            EXPECT_EQ(ReadText(aChildren[i]), aExpected[i].pszText) << i;
        }
        // Each control starts a group.
        EXPECT_TRUE(i == 0 || (GetWindowLongPtrW(aChildren[i], GWL_STYLE) & WS_GROUP)) << i;
    }
    // The template's notice is the string table's, which the box shows.
    wchar_t szNotice[128] = {};
    LoadStringW(GetModuleHandleW(nullptr), 122, szNotice, 128);
    EXPECT_EQ(ReadText(GetDlgItem(hDlg, IDC_NOTICE_LINE)), szNotice);
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(hDlg, IDC_VERSION_LINE), GWL_STYLE) & SS_NOPREFIX);
    EXPECT_TRUE(GetWindowLongPtrW(GetDlgItem(hDlg, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_EQ(SendMessageW(aChildren[0], STM_GETICON, 0, 0) != 0, true);
}
} // namespace

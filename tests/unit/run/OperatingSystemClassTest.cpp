#include "run/OperatingSystemClass.h"

#include <gtest/gtest.h>

TEST(OperatingSystemClass, TextsOfTheWindowsToolAndTheCollector)
{
    constexpr ESystemClass W7 = ESystemClass::Windows7;
    constexpr ESystemClass W8 = ESystemClass::Windows8OrLater;
    constexpr ESystemClass Old = ESystemClass::OlderThanWindows7Sp1;
    constexpr ESystemClass Linux = ESystemClass::Linux;
    constexpr ESystemClass Unknown = ESystemClass::Unknown;
    const std::pair<const wchar_t*, ESystemClass> aCases[] = {
        // The version in parentheses decides.
        {L"Windows 10 Pro 64-bit (10.0, Build 19045) (19041.vb_release.191206-1406)", W8},
        {L"Windows 11 Enterprise 64-bit (10.0, Build 22631)", W8},
        {L"Windows 8.1 Pro 64-bit (6.3, Build 9600) (9600.winblue_ltsb.160930-0600)", W8},
        {L"Windows 8 Pro 64-bit (6.2, Build 9200)", W8},
        {L"Windows Server 2019 Datacenter 64-bit (10.0, Build 17763)", W8},
        {L"Windows 7 Professional 64-bit (6.1, Build 7601) Service Pack 1 (7601.win7sp1_ldr)", W7},
        {L"Windows 7 Ultimate 32-bit (6.1, Build 7601)", W7},
        {L"Windows Server 2008 R2 Standard 64-bit (6.1, Build 7601) Service Pack 1", W7},
        {L"Windows 7 Home Premium 64-bit (6.1, Build 7600) (7600.win7_rtm.090713-1255)", Old},
        {L"Windows Vista Business 32-bit (6.0, Build 6002) Service Pack 2", Old},
        {L"Windows XP Professional (5.1, Build 2600) Service Pack 3", Old},
        // Translated names: only the version is understood.
        {L"Windows 10 Professionnel 64 bits (10.0, version 19045)", W8},
        {L"Windows 7 Professionnel 64 bits (6.1, version 7601) Service Pack 1", W7},
        // No version: the name decides.
        {L"Windows 10 Pro", W8},
        {L"windows 11 home", W8},
        {L"Windows 8.1", W8},
        {L"Microsoft Windows 7 Enterprise", W7},
        {L"Windows Server 2012 R2 Standard", W8},
        {L"Windows Server 2008 R2 Enterprise", W7},
        {L"Windows Server 2008 Standard", Old},
        {L"Windows Vista Home Basic", Old},
        {L"Windows XP", Old},
        {L"Windows 1", Unknown},
        {L"Windows 100", Unknown},
        {L"Windows", Unknown},
        {L"Windows Server", Unknown},
        // Texts of rigvet-dxdiag.
        {L"Debian GNU/Linux 12 (bookworm) (Linux 6.1.0-18-amd64)", Linux},
        {L"Linux", Linux},
        // Nothing usable.
        {L"", Unknown},
        {L"FreeBSD 14.0", Unknown},
        {L"(10.0, Build 19045)", Unknown},
        {L"Windows (x.y, Build 1)", Unknown},
        {L"Windows 10 (99999999999.0, Build 1)", W8},
    };
    for (const auto& [pszText, expected] : aCases)
    {
        EXPECT_EQ(ClassifyOperatingSystem(pszText), expected)
            << ::testing::PrintToString(std::wstring(pszText));
    }
}

TEST(OperatingSystemClass, RulesAndIds)
{
    EXPECT_TRUE(UsesWindows8Rules(ESystemClass::Windows8OrLater));
    EXPECT_TRUE(UsesWindows8Rules(ESystemClass::Linux));
    EXPECT_FALSE(UsesWindows8Rules(ESystemClass::Windows7));
    EXPECT_FALSE(UsesWindows8Rules(ESystemClass::Unknown));
    EXPECT_FALSE(UsesWindows8Rules(ESystemClass::OlderThanWindows7Sp1));
    EXPECT_EQ(GetSystemClassId(ESystemClass::Windows7), L"windows7");
    EXPECT_EQ(GetSystemClassId(ESystemClass::Windows8OrLater), L"windows8OrLater");
    EXPECT_EQ(GetSystemClassId(ESystemClass::OlderThanWindows7Sp1), L"olderThanWindows7Sp1");
    EXPECT_EQ(GetSystemClassId(ESystemClass::Linux), L"linux");
    EXPECT_EQ(GetSystemClassId(ESystemClass::Unknown), L"unknown");
}

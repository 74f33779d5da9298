// The version and string resources of real executables: the version readers on probes built
// with known versions, and LoadStringW on every entry of the string table.
#include "support/CFileVersion.h"
#include "support/ModulePath.h"
#include "support/StringTable.h"
#include "support/UserAgent.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace
{
std::wstring Probe(const char* pszName)
{
    return std::filesystem::path(std::string(RIGVET_PROBES_DIR) + "/" + pszName + ".exe").wstring();
}

struct SVersionCase
{
    const char* pszProbe;
    bool bProductVersion;
    const wchar_t* pszExpected;
};

class FileVersionWin32 : public ::testing::TestWithParam<SVersionCase>
{
};

TEST_P(FileVersionWin32, ReadsTheFixedVersionWords)
{
    CFileVersion version;
    EXPECT_TRUE(version.Read(Probe(GetParam().pszProbe).c_str(), GetParam().bProductVersion));
    EXPECT_EQ(version.ToString(), GetParam().pszExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Probes, FileVersionWin32,
    ::testing::Values(SVersionCase{"version_probe_1043", false, L"1.0.4.3"},
                      SVersionCase{"version_probe_1043", true, L"1.0.4.3"},
                      SVersionCase{"version_probe_2107", false, L"2.1.0.7"},
                      SVersionCase{"version_probe_2107", true, L"2.1.0.0"},
                      SVersionCase{"version_probe_max", false, L"65535.65535.65535.65535"},
                      SVersionCase{"version_probe_max", true, L"65535.0.65535.1"}));

TEST(FileVersion2Win32, AlwaysReadsTheFileVersion)
{
    CFileVersion2 version;
    EXPECT_TRUE(version.Read(Probe("version_probe_2107").c_str()));
    EXPECT_EQ(version.m_nMajor, 2u);
    EXPECT_EQ(version.m_nMinor, 1u);
    EXPECT_EQ(version.m_nIncremental, 0u);
    EXPECT_EQ(version.m_nBuild, 7u);
}

TEST(FileVersionWin32Failures, LeaveTheNumbersUnchanged)
{
    const std::wstring strTooLong = L"C:\\" + std::wstring(300, L'a') + L".exe";
    for (const std::wstring& strPath :
         {Probe("version_probe_none"), Probe("no_such_probe"), strTooLong})
    {
        CFileVersion version;
        EXPECT_FALSE(version.Read(strPath.c_str(), false));
        EXPECT_EQ(version.ToString(), L"0.0.0.0");
        CFileVersion2 version2;
        EXPECT_FALSE(version2.Read(strPath.c_str()));
    }
    CFileVersion version;
    EXPECT_FALSE(version.Read(nullptr, true));
}

TEST(ModulePathWin32, NamesThisProgramAndCarriesItsVersion)
{
    const std::wstring strPath = GetModulePath();
    EXPECT_TRUE(strPath.ends_with(L"\\rigvet_unit_tests.exe")) << strPath.size();
    EXPECT_EQ(BuildUserAgent(strPath), L"Rigvet/3.4.5.6");
}

struct SStringEntry
{
    unsigned int nId;
    const wchar_t* pszText;
};

constexpr SStringEntry g_aSourceTable[] = {
#define RIGVET_STRING(name, id, text) {id, text},
#include "StringTable.def"
#undef RIGVET_STRING
};

TEST(StringTableWin32, LoadStringWYieldsEveryEntryOfTheSource)
{
    for (const SStringEntry& entry : g_aSourceTable)
    {
        SCOPED_TRACE(entry.nId);
        const std::optional<std::wstring> strLoaded = LoadStringTableEntry(entry.nId);
        ASSERT_TRUE(strLoaded.has_value());
        EXPECT_EQ(*strLoaded, std::wstring(entry.pszText).substr(0, 1022));
    }
    EXPECT_EQ(std::size(g_aSourceTable), 30u);
}
} // namespace

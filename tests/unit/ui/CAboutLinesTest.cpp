#include "ui/CAboutLines.h"

#include "support/TextConvert.h"

#include <gtest/gtest.h>

namespace
{
const wchar_t* const kNotice = L"Copyright (C) 2020 Zel Research Ltd. All rights reserved.";

struct SAboutCase
{
    const char* pszProbe;
    const wchar_t* pszVersionLine;
    const wchar_t* pszFileVersion;
};

class CAboutLinesOfProbe : public testing::TestWithParam<SAboutCase>
{
};

TEST_P(CAboutLinesOfProbe, ShowProductAndFileVersion)
{
    const std::wstring strPath = Utf8ToWide(std::string(RIGVET_PROBES_DIR "/") +
                                            GetParam().pszProbe + RIGVET_PROGRAM_SUFFIX);
    const CAboutLines lines(strPath.c_str());
    EXPECT_EQ(lines.m_strVersionLine, GetParam().pszVersionLine);
    EXPECT_EQ(lines.m_strNoticeLine, kNotice);
    EXPECT_EQ(lines.m_strFileVersion, GetParam().pszFileVersion);
}

INSTANTIATE_TEST_SUITE_P(
    Probes, CAboutLinesOfProbe,
    testing::Values(
        SAboutCase{"version_probe_1043",
                   L"Rigvet for Stimora 3.0 and Fieldora 1.0, Version 1.0.4.3", L"1.0.4.3"},
        SAboutCase{"version_probe_20017",
                   L"Rigvet for Stimora 3.0 and Fieldora 1.0, Version 2.0.0.0", L"2.0.0.17"},
        SAboutCase{"version_probe_max",
                   L"Rigvet for Stimora 3.0 and Fieldora 1.0, Version 65535.0.65535.1",
                   L"65535.65535.65535.65535"},
        SAboutCase{"version_probe_none",
                   L"Rigvet for Stimora 3.0 and Fieldora 1.0, Version 0.0.0.0", L"0.0.0.0"}));

TEST(CAboutLines, NoModulePathLeavesOnlyTheNotice)
{
    for (const wchar_t* pszPath : {static_cast<const wchar_t*>(nullptr), L""})
    {
        const CAboutLines lines(pszPath);
        EXPECT_EQ(lines.m_strVersionLine, L"");
        EXPECT_EQ(lines.m_strNoticeLine, kNotice);
        EXPECT_EQ(lines.m_strFileVersion, L"");
    }
}

TEST(CAboutLines, SecondOpeningShowsTheSameLines)
{
    const std::wstring strPath =
        Utf8ToWide(RIGVET_PROBES_DIR "/version_probe_1043" RIGVET_PROGRAM_SUFFIX);
    const CAboutLines first(strPath.c_str());
    const CAboutLines second(strPath.c_str());
    EXPECT_EQ(first.m_strVersionLine, second.m_strVersionLine);
    EXPECT_EQ(first.m_strFileVersion, second.m_strFileVersion);
}
} // namespace

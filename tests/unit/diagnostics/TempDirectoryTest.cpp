#include "diagnostics/TempDirectory.h"

#include <gtest/gtest.h>

namespace
{
struct SChoiceCase
{
    std::optional<std::wstring> strRuntime;
    std::optional<std::wstring> strTemporary;
    bool bRuntimeIsPrivate;
    std::wstring strExpected;
};

class ChooseTempDirectoryTest : public ::testing::TestWithParam<SChoiceCase>
{
};

TEST_P(ChooseTempDirectoryTest, PrefersThePrivateRuntimeDirectory)
{
    std::vector<std::wstring> aAsked;
    const std::wstring strChosen =
        ChooseTempDirectory({GetParam().strRuntime, GetParam().strTemporary, L"/tmp"},
                            [&](const std::wstring& strPath)
                            {
                                aAsked.push_back(strPath);
                                return GetParam().bRuntimeIsPrivate;
                            });
    EXPECT_EQ(strChosen, GetParam().strExpected);
    for (const std::wstring& strAsked : aAsked)
    {
        EXPECT_EQ(strAsked, GetParam().strRuntime.value_or(L"")); // only the runtime dir is vetted
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChooseTempDirectoryTest,
    ::testing::Values(SChoiceCase{L"/run/user/1000", L"/var/tmp", true, L"/run/user/1000"},
                      SChoiceCase{L"/run/user/1000", L"/var/tmp", false, L"/var/tmp"},
                      SChoiceCase{L"/run/user/1000", std::nullopt, false, L"/tmp"},
                      SChoiceCase{std::nullopt, L"/var/tmp/", true, L"/var/tmp/"},
                      SChoiceCase{std::nullopt, std::nullopt, true, L"/tmp"},
                      SChoiceCase{L"", L"", true, L"/tmp"},
                      SChoiceCase{L"relative/run", L"relative/tmp", true, L"/tmp"}));
} // namespace

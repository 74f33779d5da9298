#include "diagnostics/PathText.h"

#include <gtest/gtest.h>

namespace
{
struct SReplaceCase
{
    const wchar_t* pszText;
    const wchar_t* pszPattern;
    const wchar_t* pszReplacement;
    const wchar_t* pszExpected;
};

class ReplaceAllTest : public ::testing::TestWithParam<SReplaceCase>
{
};

TEST_P(ReplaceAllTest, ReplacesLeftToRight)
{
    std::wstring strText = GetParam().pszText;
    ReplaceAll(strText, GetParam().pszPattern, GetParam().pszReplacement);
    EXPECT_EQ(strText, GetParam().pszExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllTest,
    ::testing::Values(SReplaceCase{L"C:/Temp/a", L"/", L"\\", L"C:\\Temp\\a"},
                      SReplaceCase{L"abc", L"", L"x", L"abc"}, // empty pattern: unchanged
                      SReplaceCase{L"", L"a", L"b", L""},
                      SReplaceCase{L"aaa", L"a", L"aa", L"aaaaaa"}, // resumes after replacement
                      SReplaceCase{L"aaaa", L"aa", L"a", L"aa"},    // no re-scan of the result
                      SReplaceCase{L"x_y_z", L"_", L".", L"x.y.z"},
                      SReplaceCase{L"abab", L"ab", L"", L""},
                      SReplaceCase{L"nothing", L"zz", L"y", L"nothing"}));

struct SJoinCase
{
    const wchar_t* pszFirst;
    const wchar_t* pszSecond;
    wchar_t chSeparator;
    const wchar_t* pszExpected;
};

class JoinPathWithTest : public ::testing::TestWithParam<SJoinCase>
{
};

TEST_P(JoinPathWithTest, JoinsWithOneSeparator)
{
    EXPECT_EQ(JoinPathWith(GetParam().pszFirst, GetParam().pszSecond, GetParam().chSeparator),
              GetParam().pszExpected);
}

INSTANTIATE_TEST_SUITE_P(
    WindowsRules, JoinPathWithTest,
    ::testing::Values(SJoinCase{L"C:/Temp", L"a/b", L'\\', L"C:\\Temp\\a\\b"},
                      SJoinCase{L"C:\\Temp\\", L"\\sm3", L'\\', L"C:\\Temp\\sm3"},
                      SJoinCase{L"C:\\Temp", L"", L'\\', L"C:\\Temp\\"},
                      SJoinCase{L"", L"qdxd.xml", L'\\', L"\\qdxd.xml"},
                      SJoinCase{L"", L"", L'\\', L"\\"},
                      // only one trailing backslash is dropped
                      SJoinCase{L"C:\\Temp\\\\", L"x", L'\\', L"C:\\Temp\\\\x"},
                      // inner doubles and relative parts stay
                      SJoinCase{L"C:\\a\\\\b\\..", L"c//d", L'\\', L"C:\\a\\\\b\\..\\c\\\\d"},
                      SJoinCase{L"C:\\Temp", L"sm3/qualify", L'\\', L"C:\\Temp\\sm3\\qualify"}));

INSTANTIATE_TEST_SUITE_P(
    LinuxRules, JoinPathWithTest,
    ::testing::Values(SJoinCase{L"/tmp", L"sm3/qualify", L'/', L"/tmp/sm3/qualify"},
                      SJoinCase{L"/tmp/", L"/sm3", L'/', L"/tmp/sm3"},
                      SJoinCase{L"/tmp", L"", L'/', L"/tmp/"},
                      SJoinCase{L"", L"sm3/qualify", L'/', L"/sm3/qualify"},
                      // a backslash is an ordinary character of a Linux name
                      SJoinCase{L"/tmp/a\\b", L"c\\d", L'/', L"/tmp/a\\b/c\\d"},
                      SJoinCase{L"/tmp//", L"x", L'/', L"/tmp//x"}));

TEST(RemoveTrailingSeparator, DropsOnlyOne)
{
    EXPECT_EQ(RemoveTrailingSeparator(L"C:\\Temp\\", L'\\'), L"C:\\Temp");
    EXPECT_EQ(RemoveTrailingSeparator(L"C:\\Temp", L'\\'), L"C:\\Temp");
    EXPECT_EQ(RemoveTrailingSeparator(L"/tmp//", L'/'), L"/tmp/");
    EXPECT_EQ(RemoveTrailingSeparator(L"/", L'/'), L"");
    EXPECT_EQ(RemoveTrailingSeparator(L"", L'/'), L"");
}
TEST(GetParentFolder, CutsAtTheLastSeparator)
{
    EXPECT_EQ(GetParentFolder(L"/tmp/sm3/qualify/qdxd.xml", L'/'), L"/tmp/sm3/qualify");
    EXPECT_EQ(GetParentFolder(L"/qdxd.xml", L'/'), L"/");
    EXPECT_EQ(GetParentFolder(L"qdxd.xml", L'/'), L".");
    EXPECT_EQ(GetParentFolder(L"C:\\Temp\\qdxd.xml", L'\\'), L"C:\\Temp");
}
} // namespace

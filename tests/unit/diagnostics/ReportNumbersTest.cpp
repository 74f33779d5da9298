#include "diagnostics/ReportNumbers.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{
struct SInt64Case
{
    const wchar_t* pszText;
    std::int64_t llExpected;
};

class ParseLeadingInt64Test : public ::testing::TestWithParam<SInt64Case>
{
};

TEST_P(ParseLeadingInt64Test, ReadsTheLeadingInteger)
{
    EXPECT_EQ(ParseLeadingInt64(GetParam().pszText), GetParam().llExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseLeadingInt64Test,
    ::testing::Values(SInt64Case{L"51234567890", 51234567890}, SInt64Case{L"", 0},
                      SInt64Case{L"abc", 0}, SInt64Case{L" \t\n42x", 42}, SInt64Case{L"+7", 7},
                      SInt64Case{L"-7", -7}, SInt64Case{L"- 7", 0}, SInt64Case{L"--7", 0},
                      SInt64Case{L"12 34", 12}, SInt64Case{L"0x1F", 0}, SInt64Case{L"3.9", 3},
                      SInt64Case{L"\u00A012", 0}, // not C-locale space
                      SInt64Case{L"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
                      SInt64Case{L"9223372036854775808", std::numeric_limits<std::int64_t>::max()},
                      SInt64Case{L"99999999999999999999999",
                                 std::numeric_limits<std::int64_t>::max()},
                      SInt64Case{L"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
                      SInt64Case{L"-9223372036854775809", std::numeric_limits<std::int64_t>::min()},
                      SInt64Case{L"\u0661\u0662", 0})); // other scripts' digits are no digits

TEST(ParseLeadingInt32, ClampsToThe32BitRange)
{
    EXPECT_EQ(ParseLeadingInt32(L"8192"), 8192);
    EXPECT_EQ(ParseLeadingInt32(L"2147483647"), 2147483647);
    EXPECT_EQ(ParseLeadingInt32(L"2147483648"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseLeadingInt32(L"-2147483649"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(ParseLeadingInt32(L"99999999999999999999999"),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(ParseLeadingInt32(L""), 0);
}

struct SDoubleCase
{
    const wchar_t* pszText;
    double fExpected;
};

class ParseCLocaleDoubleTest : public ::testing::TestWithParam<SDoubleCase>
{
};

TEST_P(ParseCLocaleDoubleTest, ReadsTheLongestNumber)
{
    EXPECT_DOUBLE_EQ(ParseCLocaleDouble(GetParam().pszText), GetParam().fExpected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ParseCLocaleDoubleTest,
                         ::testing::Values(SDoubleCase{L"12.1", 12.1}, SDoubleCase{L"9.3", 9.3},
                                           SDoubleCase{L"  11.0", 11.0}, SDoubleCase{L"", 0.0},
                                           SDoubleCase{L"abc", 0.0}, SDoubleCase{L"12.1xyz", 12.1},
                                           SDoubleCase{L"12,1", 12.0}, SDoubleCase{L"-3.5", -3.5},
                                           SDoubleCase{L"+1e1", 10.0}, SDoubleCase{L".5", 0.5}));

struct SPrefixCase
{
    const wchar_t* pszText;
    const wchar_t* pszPrefix;
};

class FindDecimalPrefixTest : public ::testing::TestWithParam<SPrefixCase>
{
};

TEST_P(FindDecimalPrefixTest, TakesOnlyTheDecimalNumber)
{
    EXPECT_EQ(FindDecimalPrefix(GetParam().pszText), GetParam().pszPrefix);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindDecimalPrefixTest,
    ::testing::Values(SPrefixCase{L"12.1", L"12.1"}, SPrefixCase{L"  11.0", L"11.0"},
                      SPrefixCase{L"12.1xyz", L"12.1"}, SPrefixCase{L"-3.5", L"-3.5"},
                      SPrefixCase{L"+1e1", L"+1e1"}, SPrefixCase{L".5", L".5"},
                      SPrefixCase{L"5.", L"5."}, SPrefixCase{L"1e", L"1"},
                      SPrefixCase{L"1e+", L"1"}, SPrefixCase{L"2E-3x", L"2E-3"},
                      SPrefixCase{L".", L""}, SPrefixCase{L"-", L""}, SPrefixCase{L"", L""},
                      SPrefixCase{L"e5", L""}, SPrefixCase{L"0x10", L"0"},
                      SPrefixCase{L"0x1p4", L"0"}, SPrefixCase{L"inf", L""},
                      SPrefixCase{L"-infinity", L""}, SPrefixCase{L"nan", L""},
                      SPrefixCase{L"NAN(12)", L""}, SPrefixCase{L"12,1", L"12"}));

TEST(ParseDecimalNumber, ConvertsOnlyTheDecimalPrefix)
{
    EXPECT_DOUBLE_EQ(ParseDecimalNumber(L"12.1"), 12.1);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber(L"0x10"), 0.0);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber(L"inf"), 0.0);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber(L"nan"), 0.0);
    EXPECT_DOUBLE_EQ(ParseDecimalNumber(L""), 0.0);
    EXPECT_TRUE(std::isinf(ParseDecimalNumber(L"1e999")));
}

// A locale whose decimal separator is a comma must not change how the report is read.
class CCommaLocaleScope
{
public:
    CCommaLocaleScope()
    {
        for (const char* pszName : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"})
        {
            if (std::setlocale(LC_ALL, pszName) != nullptr &&
                std::localeconv()->decimal_point[0] == ',')
            {
                m_bActive = true;
                return;
            }
        }
        std::setlocale(LC_ALL, "C");
    }
    CCommaLocaleScope(const CCommaLocaleScope&) = delete;
    CCommaLocaleScope& operator=(const CCommaLocaleScope&) = delete;
    ~CCommaLocaleScope() { std::setlocale(LC_ALL, "C"); }
    bool IsActive() const { return m_bActive; }

private:
    bool m_bActive = false;
};

TEST(ParseCLocaleDouble, IgnoresTheUsersDecimalComma)
{
    const CCommaLocaleScope locale;
    if (!locale.IsActive())
    {
        GTEST_SKIP() << "no locale with a decimal comma is installed; generate one with "
                        "'localedef -i de_DE -f UTF-8 de_DE.UTF-8' (scripts/test does)";
    }
    ASSERT_EQ(std::wcstod(L"12,1", nullptr), 12.1); // the locale is really in force
    EXPECT_DOUBLE_EQ(ParseCLocaleDouble(L"12.1"), 12.1);
    EXPECT_DOUBLE_EQ(ParseCLocaleDouble(L"12,1"), 12.0);
    EXPECT_EQ(std::localeconv()->decimal_point[0], ','); // and stays in force afterwards
}

TEST(ParseCLocaleDouble, NotANumberStaysNotANumber)
{
    EXPECT_TRUE(std::isnan(ParseCLocaleDouble(L"nan")));
}
} // namespace

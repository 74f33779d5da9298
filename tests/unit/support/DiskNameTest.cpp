#include "support/DiskName.h"

#include "support/TextConvert.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
struct SNameCase
{
    const char* pszName;
    std::string strMountPoint;
    std::string strExpected;
};

void PrintTo(const SNameCase& value, std::ostream* pStream)
{
    *pStream << value.pszName;
}

class EncodeDiskNameTest : public ::testing::TestWithParam<SNameCase>
{
};

TEST_P(EncodeDiskNameTest, KeepsTextAndEscapesTheRest)
{
    EXPECT_EQ(EncodeDiskName(GetParam().strMountPoint), GetParam().strExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncodeDiskNameTest,
    ::testing::Values(SNameCase{"Root", "/", "/"},
                      SNameCase{"Blank", "/home/lab data", "/home/lab data"},
                      SNameCase{"Utf8", "/mnt/caf\xc3\xa9/\xe4\xb8\xad/\xf0\x9f\x98\x80",
                                "/mnt/caf\xc3\xa9/\xe4\xb8\xad/\xf0\x9f\x98\x80"},
                      SNameCase{"Latin1Byte", "/mnt/caf\xe9", "/mnt/caf\\xE9"},
                      SNameCase{"Backslash", "/mnt/a\\b", "/mnt/a\\x5Cb"},
                      SNameCase{"EscapeLookalike", "/mnt/\\xE9", "/mnt/\\x5CxE9"},
                      SNameCase{"Controls", std::string("/a\tb\nc\rd\x01\x7f", 10),
                                "/a\\x09b\\x0Ac\\x0Dd\\x01\\x7F"},
                      SNameCase{"Nul", std::string("/a\0b", 4), "/a\\x00b"},
                      SNameCase{"Overlong", "/\xc0\xaf", "/\\xC0\\xAF"},
                      SNameCase{"Surrogate", "/\xed\xa0\x80", "/\\xED\\xA0\\x80"},
                      SNameCase{"NotACharacter", "/\xef\xbf\xbe", "/\\xEF\\xBF\\xBE"},
                      SNameCase{"CutShort", "/\xe2\x82", "/\\xE2\\x82"},
                      SNameCase{"ReplacementCharacter", "/\xef\xbf\xbd", "/\xef\xbf\xbd"}),
    [](const ::testing::TestParamInfo<SNameCase>& info) { return info.param.pszName; });

// Two mount points never share a name, and every name is text that XML keeps as it is.
TEST(EncodeDiskName, IsOneToOneAndGivesPlainText)
{
    std::set<std::string> names;
    const std::string aPieces[] = {"a", "\\", "x", "E9", "\xe9", "\xc3\xa9", "\t", "\xc3"};
    for (const std::string& strFirst : aPieces)
    {
        for (const std::string& strSecond : aPieces)
        {
            for (const std::string& strThird : aPieces)
            {
                const std::string strName = EncodeDiskName(strFirst + strSecond + strThird);
                EXPECT_TRUE(names.insert(strName).second) << strName;
                EXPECT_EQ(WideToUtf8(Utf8ToWide(strName)), strName);
                for (const char ch : strName)
                {
                    EXPECT_FALSE(static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f) << strName;
                }
            }
        }
    }
}
} // namespace

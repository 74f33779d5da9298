#include "collector/CollectorCommandLine.h"

#include <gtest/gtest.h>

namespace
{
struct SCommandLineCase
{
    std::vector<std::string> aArguments;
    bool bValid;
    std::string strPath;
};

class CollectorCommandLine : public ::testing::TestWithParam<SCommandLineCase>
{
};
} // namespace

TEST_P(CollectorCommandLine, AcceptsOnlyTheToolsOwnOptions)
{
    const SCommandLineCase& testCase = GetParam();
    const SCollectorCommandLine result = ParseCollectorCommandLine(testCase.aArguments);
    EXPECT_EQ(result.m_bValid, testCase.bValid);
    EXPECT_EQ(result.m_strReportPath, testCase.strPath);
    EXPECT_EQ(result.m_strError.empty(), testCase.bValid);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CollectorCommandLine,
    ::testing::Values(SCommandLineCase{{"/whql:off", "/x", "/tmp/r.xml"}, true, "/tmp/r.xml"},
                      SCommandLineCase{{"/x", "r.xml"}, true, "r.xml"},
                      SCommandLineCase{{"/X", "/tmp/a b.xml", "/WHQL:OFF"}, true, "/tmp/a b.xml"},
                      SCommandLineCase{{"/whql:on", "/x", "/x"}, true, "/x"},
                      SCommandLineCase{{}, false, ""}, SCommandLineCase{{"/whql:off"}, false, ""},
                      SCommandLineCase{{"/whql:off", "/x"}, false, ""},
                      SCommandLineCase{{"/x", ""}, false, ""},
                      SCommandLineCase{{"/x", "a.xml", "/x", "b.xml"}, false, ""},
                      SCommandLineCase{{"/t", "a.txt"}, false, ""},
                      SCommandLineCase{{"/x", "a.xml", "extra"}, false, ""},
                      SCommandLineCase{{"--help"}, false, ""}));

TEST(CollectorCommandLineError, NamesTheUnknownArgument)
{
    EXPECT_NE(ParseCollectorCommandLine({"/x", "a.xml", "/dontknow"}).m_strError.find("/dontknow"),
              std::string::npos);
}

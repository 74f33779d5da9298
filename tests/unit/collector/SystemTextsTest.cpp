#include "collector/SystemTexts.h"

#include "unit/collector/CollectorFixtures.h"

#include <gtest/gtest.h>
#include <map>

TEST(SystemTexts, OsReleaseValuesLoseTheirQuoting)
{
    const std::string strOsRelease = ReadCollectorFixture("os-release.txt");
    EXPECT_EQ(ParseOsReleaseValue(strOsRelease, "PRETTY_NAME"), "Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(ParseOsReleaseValue(strOsRelease, "ID"), "debian");
    EXPECT_EQ(ParseOsReleaseValue(strOsRelease, "VERSION"), "");
    EXPECT_EQ(ParseOsReleaseValue("NAME='It''s \"x\"'", "NAME"), "Its \"x\"");
    EXPECT_EQ(ParseOsReleaseValue("NAME=\"a \\\"b\\\" \\\\ c\"", "NAME"), "a \"b\" \\ c");
}

TEST(SystemTexts, OperatingSystemNamesDistributionAndKernel)
{
    EXPECT_EQ(FormatOperatingSystem(ReadCollectorFixture("os-release.txt"), "6.1.0-18-amd64\n"),
              "Debian GNU/Linux 12 (bookworm) (Linux 6.1.0-18-amd64)");
    EXPECT_EQ(FormatOperatingSystem("NAME=Alpine\n", "6.6.1"), "Alpine (Linux 6.6.1)");
    EXPECT_EQ(FormatOperatingSystem("", "6.6.1"), "Linux (Linux 6.6.1)");
    EXPECT_EQ(FormatOperatingSystem("", ""), "Linux");
}

TEST(SystemTexts, ProcessorWithItsCount)
{
    EXPECT_EQ(FormatProcessor(ReadCollectorFixture("cpuinfo-x86.txt")),
              "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz (4 CPUs)");
    EXPECT_EQ(FormatProcessor(ReadCollectorFixture("cpuinfo-arm64.txt")),
              "Raspberry Pi 4 Model B Rev 1.4 (2 CPUs)");
    EXPECT_EQ(FormatProcessor("processor : 0\n"), "Unknown processor (1 CPU)");
    EXPECT_EQ(FormatProcessor(""), "Unknown processor");
}

TEST(SystemTexts, JoinsOnlyPartsThatSaySomething)
{
    EXPECT_EQ(JoinNonEmpty("American Megatrends Inc.\n", " 1.40 ", "03/12/2019\n"),
              "American Megatrends Inc. 1.40 03/12/2019");
    EXPECT_EQ(JoinNonEmpty("", "1.40", "\n"), "1.40");
    EXPECT_EQ(JoinNonEmpty("", "", ""), "");
}

TEST(SystemTexts, MachineIdentityFromDmiAndTheFallbackOsRelease)
{
    const std::map<std::string, std::string> files = {
        {"/sys/class/dmi/id/sys_vendor", "LENOVO\n"},
        {"/sys/class/dmi/id/product_name", "20XW0055GE\n"},
        {"/usr/lib/os-release", "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"},
    };
    const SMachineIdentity identity = ReadMachineIdentity(
        [&](const std::string& strPath) -> std::optional<std::string>
        {
            const auto it = files.find(strPath);
            return it != files.end() ? std::optional<std::string>(it->second) : std::nullopt;
        },
        "6.1.0-18-amd64");
    EXPECT_EQ(identity.m_strManufacturer, "LENOVO");
    EXPECT_EQ(identity.m_strModel, "20XW0055GE");
    EXPECT_EQ(identity.m_strOperatingSystem,
              "Debian GNU/Linux 12 (bookworm) (Linux 6.1.0-18-amd64)");
}

#include "run/OsVersion.h"

#include "run/RemoteSession.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

TEST(OsVersion, ComparesMajorThenMinorThenServicePack)
{
    struct SCase
    {
        SOsVersion running;
        bool bWindows7Sp1OrLater;
        bool bWindows8OrLater;
    };
    const SCase aCases[] = {
        {{6, 1, 0}, false, false}, {{6, 1, 1}, true, false}, {{6, 2, 0}, true, true},
        {{6, 3, 0}, true, true},   {{10, 0, 0}, true, true}, {{6, 0, 2}, false, false},
        {{5, 9, 9}, false, false}, {{7, 0, 0}, true, true},
    };
    for (const SCase& testCase : aCases)
    {
        const SOsVersion& v = testCase.running;
        SCOPED_TRACE(std::to_string(v.nMajor) + "." + std::to_string(v.nMinor) + "." +
                     std::to_string(v.nServicePackMajor));
        EXPECT_EQ(IsOsVersionAtLeast(v, 6, 1, 1), testCase.bWindows7Sp1OrLater);
        EXPECT_EQ(IsOsVersionAtLeast(v, 6, 2, 0), testCase.bWindows8OrLater);
    }
}

TEST(OsVersion, ParsesOnlyThreeDecimalFields)
{
    const auto version = ParseOsVersion("6.1.1");
    ASSERT_TRUE(version);
    EXPECT_EQ(version->nMajor, 6);
    EXPECT_EQ(version->nMinor, 1);
    EXPECT_EQ(version->nServicePackMajor, 1);
    for (const char* pszBad : {"", "6", "6.1", "6.1.", ".1.1", "6.1.1.0", "6.1.x", "6..1", "-6.1.1",
                               "6.1.65536", " 6.1.1", "6.1.1 "})
    {
        EXPECT_FALSE(ParseOsVersion(pszBad)) << pszBad;
    }
}

TEST(RemoteSession, SshAndXrdpLoginsAreRemote)
{
    const std::pair<std::map<std::string, std::string>, bool> aCases[] = {
        {{}, false},
        {{{"DISPLAY", ":0"}, {"TERM", "xterm"}}, false},
        {{{"SSH_CONNECTION", "10.0.0.1 5000 10.0.0.2 22"}}, true},
        {{{"SSH_CLIENT", "10.0.0.1 5000 22"}}, true},
        {{{"SSH_TTY", "/dev/pts/0"}}, true},
        {{{"XRDP_SESSION", "1"}}, true},
        {{{"SSH_CONNECTION", ""}}, false},
    };
    for (const auto& [environment, bRemote] : aCases)
    {
        const auto lookup = [&environment](const char* pszName) -> const char*
        {
            const auto it = environment.find(pszName);
            return it == environment.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(IsRemoteLoginEnvironment(lookup), bRemote);
    }
}

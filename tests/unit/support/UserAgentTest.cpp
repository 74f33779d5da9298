#include "support/UserAgent.h"

#include "support/TextConvert.h"

#include <gtest/gtest.h>

namespace
{
TEST(BuildUserAgent, TakesTheFileVersion)
{
    EXPECT_EQ(
        BuildUserAgent(Utf8ToWide(RIGVET_PROBES_DIR "/version_probe_1234" RIGVET_PROGRAM_SUFFIX)),
        L"Rigvet/1.2.3.4");
    // The file version, not the product version 2.1.0.0.
    EXPECT_EQ(
        BuildUserAgent(Utf8ToWide(RIGVET_PROBES_DIR "/version_probe_2107" RIGVET_PROGRAM_SUFFIX)),
        L"Rigvet/2.1.0.7");
}

TEST(BuildUserAgent, UnreadableVersionGivesZeros)
{
    EXPECT_EQ(
        BuildUserAgent(Utf8ToWide(RIGVET_PROBES_DIR "/version_probe_none" RIGVET_PROGRAM_SUFFIX)),
        L"Rigvet/0.0.0.0");
    EXPECT_EQ(BuildUserAgent(L"/no/such/program"), L"Rigvet/0.0.0.0");
    EXPECT_EQ(BuildUserAgent(L""), L"Rigvet/0.0.0.0");
}
} // namespace

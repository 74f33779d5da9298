#include "support/UserAgent.h"

#include "support/TextConvert.h"

#include <gtest/gtest.h>

namespace
{
TEST(BuildUserAgent, TakesTheFileVersion)
{
    EXPECT_EQ(BuildUserAgent(Utf8ToWide(RIGVET_PROBES_DIR "/version_probe_1234")),
              L"Rigvet/1.2.3.4");
    // The file version, not the product version 2.1.0.0.
    EXPECT_EQ(BuildUserAgent(Utf8ToWide(RIGVET_PROBES_DIR "/version_probe_2107")),
              L"Rigvet/2.1.0.7");
}

TEST(BuildUserAgent, UnreadableVersionGivesZeros)
{
    EXPECT_EQ(BuildUserAgent(Utf8ToWide(RIGVET_PROBES_DIR "/version_probe_none")),
              L"Rigvet/0.0.0.0");
    EXPECT_EQ(BuildUserAgent(L"/no/such/program"), L"Rigvet/0.0.0.0");
    EXPECT_EQ(BuildUserAgent(L""), L"Rigvet/0.0.0.0");
}
} // namespace

#include "ui/DisplayCheck.h"

#include <gtest/gtest.h>

namespace
{
struct SDisplayCase
{
    const char* pszDisplay;
    const char* pszWayland;
    const char* pszPlatform;
    bool bExpected;
};

class DisplayCheck : public testing::TestWithParam<SDisplayCase>
{
};

TEST_P(DisplayCheck, DecidesFromTheEnvironment)
{
    const SDisplayCase& test = GetParam();
    EXPECT_EQ(IsDisplayAvailable({test.pszDisplay, test.pszWayland, test.pszPlatform}),
              test.bExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayCheck,
    testing::Values(SDisplayCase{nullptr, nullptr, nullptr, false}, SDisplayCase{"", "", "", false},
                    SDisplayCase{":0", nullptr, nullptr, true},
                    SDisplayCase{nullptr, "wayland-0", nullptr, true},
                    SDisplayCase{nullptr, nullptr, "offscreen", true},
                    SDisplayCase{nullptr, nullptr, "offscreen:fontengine=freetype", true},
                    SDisplayCase{nullptr, nullptr, "minimal", true},
                    // xcb without an X display cannot show anything.
                    SDisplayCase{nullptr, nullptr, "xcb", false},
                    SDisplayCase{nullptr, nullptr, "offscreenx", false}));
} // namespace

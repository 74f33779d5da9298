#include "ui/cli/ConsoleTerminal.h"

#include <gtest/gtest.h>

TEST(ConsoleTerminal, ColourOnlyAtACapableTerminalWithoutNoColor)
{
    struct SCase
    {
        bool bTerminal;
        bool bCapable;
        const char* pszNoColor;
        bool bExpected;
    };
    const SCase aCases[] = {
        {true, true, nullptr, true}, {true, true, "", true},        {true, true, "1", false},
        {true, true, "0", false},    {false, true, nullptr, false}, {true, false, nullptr, false},
        {false, false, "1", false},
    };
    for (const SCase& testCase : aCases)
    {
        EXPECT_EQ(ShouldUseColour(testCase.bTerminal, testCase.bCapable, testCase.pszNoColor),
                  testCase.bExpected)
            << testCase.bTerminal << testCase.bCapable
            << (testCase.pszNoColor ? testCase.pszNoColor : "(unset)");
    }
}

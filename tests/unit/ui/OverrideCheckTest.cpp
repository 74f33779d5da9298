#include "ui/OverrideCheck.h"

#include "clock/TimeServerUrl.h"
#include "diagnostics/DiagnosticsCapture.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

TEST(OverrideCheck, NamesTheFirstWrongOverrideAndHowToWriteIt)
{
    const std::string strUrlFault = std::string(kTimeServerUrlVariable) +
                                    " must be https://host[:port]/, for example " +
                                    std::string(GetExampleTimeServerUrl());
    const std::string strTimeoutFault =
        std::string(kCollectorTimeoutVariable) + " must be a whole number of seconds from 1 to " +
        std::to_string(kLongestCollectorTimeout.count()) + ", for example 300";
    const struct
    {
        std::optional<std::string> strUrl, strTimeout, strFault;
    } aCases[] = {{std::nullopt, std::nullopt, std::nullopt},
                  {"http://x/", "0", strUrlFault},
                  {std::nullopt, "0", strTimeoutFault}};
    const std::optional<std::string> strUrl = GetTestVariable(kTimeServerUrlVariable);
    const std::optional<std::string> strTimeout = GetTestVariable(kCollectorTimeoutVariable);
    for (const auto& testCase : aCases)
    {
        SetTestVariable(kTimeServerUrlVariable, testCase.strUrl);
        SetTestVariable(kCollectorTimeoutVariable, testCase.strTimeout);
        EXPECT_EQ(FindInvalidOverride(), testCase.strFault);
    }
    SetTestVariable(kTimeServerUrlVariable, strUrl);
    SetTestVariable(kCollectorTimeoutVariable, strTimeout);
}

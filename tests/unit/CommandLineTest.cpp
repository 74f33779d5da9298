#include "ui/CommandLine.h"

#include "support/TextConvert.h"

#include <gtest/gtest.h>

TEST(CommandLine, TheFirstArgumentThatIsNotASwitchIsTheLogPath)
{
    struct SCase
    {
        std::vector<std::wstring> aArguments;
        std::wstring strWindows;
        std::wstring strPosix;
    };
    const SCase aCases[] = {
        {{}, L"", L""},
        {{L"C:\\temp\\q.log"}, L"C:\\temp\\q.log", L"C:\\temp\\q.log"},
        {{L"/x", L"C:\\temp\\q.log", L"more"}, L"C:\\temp\\q.log", L"C:\\temp\\q.log"},
        {{L"C:\\My Logs\\q.log"}, L"C:\\My Logs\\q.log", L"C:\\My Logs\\q.log"},
        {{L"-log.txt"}, L"", L""},
        {{L"--consent=yes", L"q.log"}, L"q.log", L"q.log"},
        {{L"/tmp/q.log", L"other.log"}, L"other.log", L"/tmp/q.log"},
        {{L"/whql:off", L"rel/q.log"}, L"rel/q.log", L"rel/q.log"},
    };
    for (const SCase& testCase : aCases)
    {
        EXPECT_EQ(FindLogPath(testCase.aArguments, false), testCase.strWindows);
        EXPECT_EQ(FindLogPath(testCase.aArguments, true), testCase.strPosix);
    }
}

TEST(TextConvert, RoundTripsAndReplacesInvalidBytes)
{
    const std::wstring strWide = L"Gr\u00fc\u00dfe \u2122 \U0001F600";
    EXPECT_EQ(WideToUtf8(strWide), "Gr\xc3\xbc\xc3\x9f"
                                   "e \xe2\x84\xa2 \xf0\x9f\x98\x80");
    EXPECT_EQ(Utf8ToWide(WideToUtf8(strWide)), strWide);
    EXPECT_EQ(Utf8ToWide("a\xff"
                         "b"),
              L"a\ufffdb");
    EXPECT_EQ(Utf8ToWide("\xc3"), L"\ufffd");
    EXPECT_EQ(Utf8ToWide("\xc0\xaf"), L"\ufffd");     // overlong "/"
    EXPECT_EQ(Utf8ToWide("\xed\xa0\x80"), L"\ufffd"); // encoded surrogate
}

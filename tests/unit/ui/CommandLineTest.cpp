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

TEST(CommandLine, HelpAndVersionAreAskedForByTheirOwnSpellingsOnly)
{
    const std::pair<std::vector<std::wstring>, EDialogRequest> aCases[] = {
        {{}, EDialogRequest::Run},
        {{L"/tmp/q.log", L"-help", L"/?"}, EDialogRequest::Run},
        {{L"q.log", L"--help"}, EDialogRequest::Help},
        {{L"-h", L"--version"}, EDialogRequest::Help},
        {{L"--version", L"--help"}, EDialogRequest::Version},
    };
    for (const auto& [aArguments, request] : aCases)
    {
        EXPECT_EQ(FindDialogRequest(aArguments), request);
    }
}

TEST(TextConvert, RoundTripsUnicodeText)
{
    const std::wstring strWide = L"Gr\u00fc\u00dfe \u2122 \U0001F600";
    EXPECT_EQ(WideToUtf8(strWide), "Gr\xc3\xbc\xc3\x9f"
                                   "e \xe2\x84\xa2 \xf0\x9f\x98\x80");
    EXPECT_EQ(Utf8ToWide(WideToUtf8(strWide)), strWide);
    EXPECT_EQ(Utf8ToWide("\xef\xbf\xbd"), L"\ufffd");
    EXPECT_EQ(WideToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xef\xbf\xbd");
}

TEST(TextConvert, BytesThatAreNoUtf8SurviveTheRoundTrip)
{
    const std::string aCases[] = {
        "caf\xe9.log",      // Latin-1
        "a\xff",            // never valid
        "\xc3",             // cut sequence
        "\xc0\xaf",         // overlong "/"
        "\xed\xa0\x80",     // encoded surrogate
        "\xf4\x90\x80\x80", // beyond U+10FFFF
    };
    for (const std::string& strBytes : aCases)
    {
        const std::wstring strWide = Utf8ToWide(strBytes);
        EXPECT_EQ(WideToUtf8(strWide), strBytes);
        EXPECT_EQ(strWide.find(L'\ufffd'), std::wstring::npos);
    }
    EXPECT_EQ(Utf8ToWide("caf\xe9"), L"caf\xdce9");
}

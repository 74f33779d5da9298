// The capture with a real child process: the command line and current folder it gets, and which
// exit codes count as a failed capture.
#include "diagnostics/DiagnosticsCapture.h"
#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "win32/WinTestFolder.h"

#include <gtest/gtest.h>

namespace
{
class CaptureWin32 : public ::testing::Test
{
protected:
    void SetUp() override { CreateWorkFolder(); }

    void Run(const std::wstring& strExit)
    {
        const CScopedWinVariable exitCode(L"RIGVET_FAKE_EXIT", strExit);
        CaptureDiagnosticsReport();
    }

    // The one line the collector noted: its command line and current folder.
    std::wstring NotedCall() const
    {
        const std::string strBytes = ReadFileText(m_log);
        return std::wstring(reinterpret_cast<const wchar_t*>(strBytes.data()),
                            strBytes.size() / sizeof(wchar_t));
    }

    CWinTestFolder m_temp;
    CScopedWinVariable m_tmp{L"TMP", m_temp.Path().wstring()};
    std::wstring m_log = m_temp.File(L"calls.txt");
    CScopedWinVariable m_collector{L"RIGVET_DXDIAG", Utf8Path(RIGVET_FAKE_COLLECTOR_PATH)};
    CScopedWinVariable m_logVariable{L"RIGVET_FAKE_LOG", m_log};

    static std::wstring Utf8Path(const char* pszPath)
    {
        return std::filesystem::path(pszPath).wstring();
    }
};

TEST_F(CaptureWin32, TheChildGetsTheShortReportPathUnquotedInTheShortWorkFolder)
{
    const CScopedWinVariable report(
        L"RIGVET_FAKE_REPORT",
        std::filesystem::path(RIGVET_FIXTURES_DIR "/reports/typical.xml").wstring());
    Run(L"0");
    const std::wstring strCall = NotedCall();
    const std::wstring strExpectedTail =
        L" /whql:off /x " + GetShortReportPath() + L" | " + GetShortWorkFolder() + L"\n";
    ASSERT_GE(strCall.size(), strExpectedTail.size()) << strCall;
    EXPECT_EQ(strCall.substr(strCall.size() - strExpectedTail.size()), strExpectedTail) << strCall;
    EXPECT_TRUE(FileExistsNormalized(GetReportPath()));
}

TEST_F(CaptureWin32, ExitCodesOtherThanMinusOneAreASuccess)
{
    for (const wchar_t* pszCode : {L"0", L"1", L"255", L"4294967294"})
    {
        SCOPED_TRACE(pszCode);
        EXPECT_NO_THROW(Run(pszCode));
    }
}

TEST_F(CaptureWin32, ExitCodeMinusOneFails)
{
    try
    {
        Run(L"-1");
        FAIL() << "no exception";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 10005);
        EXPECT_EQ(exception.m_strMessage, L"The execution of dxdiag.exe has failed. Ret = -1");
    }
}

TEST_F(CaptureWin32, AProgramThatCannotStartFails)
{
    const CScopedWinVariable missing(L"RIGVET_DXDIAG", m_temp.File(L"no-such-tool.exe"));
    try
    {
        CaptureDiagnosticsReport();
        FAIL() << "no exception";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 10005);
    }
}

TEST(CollectorProgramWin32, IsThePlatformsToolUnlessOverridden)
{
    const CScopedWinVariable unset(L"RIGVET_DXDIAG", std::nullopt);
    EXPECT_EQ(FindCollectorProgram(), L"dxdiag.exe");
}
} // namespace

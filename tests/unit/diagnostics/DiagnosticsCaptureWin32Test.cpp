// The capture with a real child process: the command line and current folder it gets, and which
// exit codes count as a failed capture.
#include "diagnostics/DiagnosticsCapture.h"
#include "diagnostics/WorkFolder.h"
#include "support/CZelSimpleException.h"
#include "win32/WideFiles.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <windows.h>

namespace
{
class CaptureWin32 : public ::testing::Test
{
protected:
    void SetUp() override { m_pFolder = CreateWorkFolder(); }

    void Run(const std::string& strExit)
    {
        const CScopedVariable exitCode("RIGVET_FAKE_EXIT", strExit);
        CaptureDiagnosticsReport(*m_pFolder);
    }

    // The one line the collector noted: its command line and current folder.
    std::wstring NotedCall() const
    {
        const std::string strBytes = ReadTextFile(m_log);
        return std::wstring(reinterpret_cast<const wchar_t*>(strBytes.data()),
                            strBytes.size() / sizeof(wchar_t));
    }

    CTestFolder m_temp;
    CScopedVariable m_tmp{"TMP", m_temp.Path().string()};
    std::wstring m_log = WideFile(m_temp, L"calls.txt");
    CScopedVariable m_collector{"RIGVET_DXDIAG", RIGVET_FAKE_COLLECTOR_PATH};
    CScopedVariable m_logVariable{"RIGVET_FAKE_LOG", NarrowPath(m_log)};
    std::unique_ptr<IWorkFolder> m_pFolder;
};

TEST_F(CaptureWin32, TheChildGetsTheShortReportPathUnquotedInTheShortWorkFolder)
{
    const CScopedVariable report("RIGVET_FAKE_REPORT", RIGVET_FIXTURES_DIR "/reports/typical.xml");
    Run("0");
    const std::wstring strCall = NotedCall();
    const std::wstring strExpectedTail =
        L" /whql:off /x " + GetShortReportPath() + L" | " + GetShortWorkFolder() + L"\n";
    ASSERT_GE(strCall.size(), strExpectedTail.size()) << strCall;
    EXPECT_EQ(strCall.substr(strCall.size() - strExpectedTail.size()), strExpectedTail) << strCall;
    EXPECT_TRUE(m_pFolder->ReportExists());
}

TEST_F(CaptureWin32, ExitCodesOtherThanMinusOneAreASuccess)
{
    for (const char* pszCode : {"0", "1", "255", "4294967294"})
    {
        SCOPED_TRACE(pszCode);
        EXPECT_NO_THROW(Run(pszCode));
    }
}

TEST_F(CaptureWin32, ExitCodeMinusOneFails)
{
    try
    {
        Run("-1");
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
    const CScopedVariable missing("RIGVET_DXDIAG", m_temp.File("no-such-tool.exe"));
    try
    {
        CaptureDiagnosticsReport(*m_pFolder);
        FAIL() << "no exception";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 10005);
    }
}

TEST_F(CaptureWin32, AHungToolIsEndedWithWhatItStarted)
{
    const std::wstring strPidFile = WideFile(m_temp, L"helper.pid");
    const CScopedVariable helper("RIGVET_FAKE_HELPER", NarrowPath(strPidFile));
    const CScopedVariable timeout("RIGVET_DXDIAG_TIMEOUT", "3");
    try
    {
        CaptureDiagnosticsReport(*m_pFolder);
        FAIL() << "no exception";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, 10005);
    }
    const unsigned long nHelper = std::strtoul(ReadTextFile(strPidFile).c_str(), nullptr, 10);
    ASSERT_NE(nHelper, 0UL) << "the helper did not start";
    const HANDLE hHelper = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, nHelper);
    if (hHelper == nullptr)
    {
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)); // already gone
        return;
    }
    const DWORD nWaited = WaitForSingleObject(hHelper, 10000);
    EXPECT_EQ(nWaited, WAIT_OBJECT_0) << "the helper still runs";
    if (nWaited != WAIT_OBJECT_0)
    {
        TerminateProcess(hHelper, 1); // so that it holds no output pipe of the test run open
    }
    CloseHandle(hHelper);
}

TEST(CollectorProgramWin32, IsThePlatformsToolUnlessOverridden)
{
    const CScopedVariable unset("RIGVET_DXDIAG", std::nullopt);
    EXPECT_EQ(FindCollectorProgram(), L"dxdiag.exe");
}
} // namespace

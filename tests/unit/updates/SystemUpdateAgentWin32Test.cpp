// The update search against the Windows Update Agent that the system provides. Wine's agent
// refuses the server selection (E_NOTIMPL), so there the search must end with that step's code;
// on Windows it runs through.
#include "support/CZelSimpleException.h"
#include "updates/SearchInstalledUpdates.h"
#include "updates/SystemUpdateAgent.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace
{
bool IsWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST(SystemUpdateAgentWin32, SearchEndsAsTheAgentAllows)
{
    const std::unique_ptr<IUpdateAgent> pAgent = CreateSystemUpdateAgent();
    std::wstring strFound;
    if (!IsWine())
    {
        SearchInstalledUpdates(*pAgent, L"4474419, 4490628, 4536952", strFound);
        return;
    }
    try
    {
        SearchInstalledUpdates(*pAgent, L"4474419, 4490628, 4536952", strFound);
        FAIL() << "Wine's agent now searches: this test must learn what it finds";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, kServerSelectionFailed);
        EXPECT_EQ(exception.m_strMessage, L"The Windows Update Agent Knowledge Base search has "
                                          L"failed. The testing has been aborted.");
    }
    EXPECT_EQ(strFound, L"");
}

TEST(SystemUpdateAgentWin32, ComIsUndoneOnTheWayOut)
{
    // The test program holds an apartment of its own: after the search, failed or not, the
    // thread still has exactly that one, so a new initialisation says "already done".
    const std::unique_ptr<IUpdateAgent> pAgent = CreateSystemUpdateAgent();
    std::wstring strFound;
    try
    {
        SearchInstalledUpdates(*pAgent, L"4474419", strFound);
    }
    catch (const CZelSimpleException&)
    {
    }
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
    CoUninitialize();
}
} // namespace

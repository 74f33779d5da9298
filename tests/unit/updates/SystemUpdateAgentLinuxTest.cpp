#include "support/CZelSimpleException.h"
#include "support/TestFolder.h"
#include "updates/SearchInstalledUpdates.h"
#include "updates/SystemUpdateAgent.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace
{
// Sets or removes RIGVET_UPDATES_FILE for one test and puts the old value back afterwards.
class CUpdatesFileVariable
{
public:
    explicit CUpdatesFileVariable(const std::optional<std::string>& strValue)
    {
        if (const char* pszOld = std::getenv(kName))
        {
            m_strOld = pszOld;
        }
        Set(strValue);
    }
    CUpdatesFileVariable(const CUpdatesFileVariable&) = delete;
    CUpdatesFileVariable& operator=(const CUpdatesFileVariable&) = delete;
    ~CUpdatesFileVariable() { Set(m_strOld); }

private:
    static void Set(const std::optional<std::string>& strValue)
    {
        if (strValue)
        {
            setenv(kName, strValue->c_str(), 1);
        }
        else
        {
            unsetenv(kName);
        }
    }

    static constexpr const char* kName = "RIGVET_UPDATES_FILE";
    std::optional<std::string> m_strOld;
};

std::int32_t FailureCode()
{
    std::wstring strFound;
    try
    {
        SearchInstalledUpdates(*CreateSystemUpdateAgent(), L"1", strFound);
    }
    catch (CZelSimpleException exception)
    {
        return exception.m_nCode;
    }
    return 0;
}

TEST(SystemUpdateAgentLinux, ReadsTheFileTheVariableNames)
{
    const CTestFolder folder;
    const CUpdatesFileVariable variable(folder.Write("updates.txt", "1,2\n"));
    std::wstring strFound;
    EXPECT_TRUE(SearchInstalledUpdates(*CreateSystemUpdateAgent(), L"2", strFound));
    EXPECT_EQ(strFound, L"1,2");
}

TEST(SystemUpdateAgentLinux, UnsetVariableFailsTheSearch)
{
    const CUpdatesFileVariable variable(std::nullopt);
    EXPECT_EQ(FailureCode(), 11000);
}

TEST(SystemUpdateAgentLinux, EmptyVariableFailsTheSearch)
{
    const CUpdatesFileVariable variable{std::string()};
    EXPECT_EQ(FailureCode(), 11000);
}
} // namespace

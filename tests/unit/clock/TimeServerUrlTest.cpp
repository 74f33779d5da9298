#include "clock/TimeServerUrl.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace
{
struct SUrlCase
{
    const char* pszUrl;
    bool bValid;
};

void PrintTo(const SUrlCase& value, std::ostream* pStream)
{
    *pStream << value.pszUrl;
}

class TimeServerUrlForm : public ::testing::TestWithParam<SUrlCase>
{
};

TEST_P(TimeServerUrlForm, AcceptsOnlyTheRootOfAnHttpsSite)
{
    EXPECT_EQ(IsValidTimeServerUrl(GetParam().pszUrl), GetParam().bValid) << GetParam().pszUrl;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TimeServerUrlForm,
    ::testing::Values(
        SUrlCase{"https://www.wikipedia.org/", true}, SUrlCase{"https://www.wikipedia.org", true},
        SUrlCase{"https://127.0.0.1:8443/", true}, SUrlCase{"https://localhost:65535", true},
        SUrlCase{"https://[::1]:443/", true}, SUrlCase{"https://time-server.example.org:1/", true},
        SUrlCase{"http://www.wikipedia.org/", false}, SUrlCase{"HTTPS://www.wikipedia.org/", false},
        SUrlCase{"www.wikipedia.org", false}, SUrlCase{"https://", false},
        SUrlCase{"https:///", false}, SUrlCase{"https://:443/", false},
        SUrlCase{"https://host:0/", false}, SUrlCase{"https://host:65536/", false},
        SUrlCase{"https://host:/", false}, SUrlCase{"https://host:44x/", false},
        SUrlCase{"https://host/path", false}, SUrlCase{"https://host/?q=1", false},
        SUrlCase{"https://host#top", false}, SUrlCase{"https://user@host/", false},
        SUrlCase{"https://ho st/", false}, SUrlCase{"https://-host/", false},
        SUrlCase{"https://[::1/", false}, SUrlCase{"https://[]/", false},
        SUrlCase{"https://[zz::1]/", false}, SUrlCase{"", false}));

// Restores the variable as it was before the test.
class CScopedUrlVariable
{
public:
    explicit CScopedUrlVariable(const char* pszValue)
    {
        if (const char* pszPrevious = std::getenv(kTimeServerUrlVariable))
        {
            m_strPrevious = pszPrevious;
            m_bHadValue = true;
        }
        if (pszValue != nullptr)
        {
            setenv(kTimeServerUrlVariable, pszValue, 1);
        }
        else
        {
            unsetenv(kTimeServerUrlVariable);
        }
    }
    CScopedUrlVariable(const CScopedUrlVariable&) = delete;
    CScopedUrlVariable& operator=(const CScopedUrlVariable&) = delete;
    ~CScopedUrlVariable()
    {
        if (m_bHadValue)
        {
            setenv(kTimeServerUrlVariable, m_strPrevious.c_str(), 1);
        }
        else
        {
            unsetenv(kTimeServerUrlVariable);
        }
    }

private:
    std::string m_strPrevious;
    bool m_bHadValue = false;
};

TEST(TimeServerUrl, DefaultWhenTheVariableIsUnset)
{
    const CScopedUrlVariable variable(nullptr);
    EXPECT_EQ(GetTimeServerUrl(), std::string(kDefaultTimeServerUrl));
    EXPECT_TRUE(IsValidTimeServerUrl(kDefaultTimeServerUrl));
    EXPECT_FALSE(IsTimeServerUrlOverrideInvalid());
}

TEST(TimeServerUrl, VariableReplacesTheDefault)
{
    const CScopedUrlVariable variable("https://127.0.0.1:8443/");
    EXPECT_EQ(GetTimeServerUrl(), std::string("https://127.0.0.1:8443/"));
    EXPECT_FALSE(IsTimeServerUrlOverrideInvalid());
}

TEST(TimeServerUrl, InvalidVariableGivesNoAddress)
{
    for (const char* pszValue : {"", "http://127.0.0.1/", "https://127.0.0.1:8443/time"})
    {
        const CScopedUrlVariable variable(pszValue);
        EXPECT_EQ(GetTimeServerUrl(), std::nullopt) << pszValue;
        EXPECT_TRUE(IsTimeServerUrlOverrideInvalid()) << pszValue;
    }
}
} // namespace

#include "updates/CComGuard.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace
{
class CCountingAgent : public IUpdateAgent
{
public:
    std::int32_t CoInitialize() override { return kAgentStatusOk; }
    void CoUninitialize() override { ++m_nUninitializeCount; }
    std::int32_t CreateUpdateSession(std::unique_ptr<IUpdateSessionObject>&) override
    {
        return kAgentStatusFail;
    }
    int m_nUninitializeCount = 0;
};

TEST(CComGuard, ReleaseUninitializesAndTheDestructorDoesNotAgain)
{
    CCountingAgent agent;
    {
        CComGuard guard(agent);
        EXPECT_EQ(agent.m_nUninitializeCount, 0);
        guard.Release();
        EXPECT_EQ(agent.m_nUninitializeCount, 1);
        guard.Release();
        EXPECT_EQ(agent.m_nUninitializeCount, 1);
    }
    EXPECT_EQ(agent.m_nUninitializeCount, 1);
}

TEST(CComGuard, DestructorUninitializesWhenAnExceptionLeavesTheScope)
{
    CCountingAgent agent;
    EXPECT_THROW(
        {
            CComGuard guard(agent);
            throw std::runtime_error("step failed");
        },
        std::runtime_error);
    EXPECT_EQ(agent.m_nUninitializeCount, 1);
}
} // namespace

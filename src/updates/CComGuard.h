#pragma once

#include "updates/IUpdateAgent.h"

// Undoes a successful COM initialisation exactly once: by an explicit Release on the normal way
// out, or by the destructor when an exception leaves the scope first.
class CComGuard
{
public:
    explicit CComGuard(IUpdateAgent& agent) : m_agent(agent) {}
    CComGuard(const CComGuard&) = delete;
    CComGuard& operator=(const CComGuard&) = delete;
    ~CComGuard() { Release(); }

    void Release();

private:
    IUpdateAgent& m_agent;
    bool m_bReleased = false;
};

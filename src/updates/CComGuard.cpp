#include "updates/CComGuard.h"

void CComGuard::Release()
{
    if (!m_bReleased)
    {
        m_agent.CoUninitialize();
        m_bReleased = true;
    }
}

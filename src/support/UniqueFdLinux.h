#pragma once

#include <unistd.h>

// Owns a file descriptor and closes it when it goes.
class CUniqueFd
{
public:
    explicit CUniqueFd(int nFd = -1) : m_nFd(nFd) {}
    CUniqueFd(CUniqueFd&& other) noexcept : m_nFd(other.m_nFd) { other.m_nFd = -1; }
    CUniqueFd& operator=(CUniqueFd&& other) noexcept
    {
        Reset(other.m_nFd);
        other.m_nFd = -1;
        return *this;
    }
    CUniqueFd(const CUniqueFd&) = delete;
    CUniqueFd& operator=(const CUniqueFd&) = delete;
    ~CUniqueFd() { Reset(-1); }

    int Get() const { return m_nFd; }
    bool IsValid() const { return m_nFd >= 0; }
    // Closes now, so that an error of the close itself is seen.
    int Close()
    {
        const int nResult = close(m_nFd);
        m_nFd = -1;
        return nResult;
    }

private:
    void Reset(int nFd)
    {
        if (m_nFd >= 0)
        {
            close(m_nFd);
        }
        m_nFd = nFd;
    }

    int m_nFd;
};

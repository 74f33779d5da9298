#pragma once

#include <windows.h>

// Owns one handle of the kind that TTraits describes (its invalid value and how to close it),
// and closes it when it goes.
template <typename TTraits> class CUniqueHandle
{
public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(HANDLE hHandle) : m_hHandle(hHandle) {}
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_hHandle(other.Detach()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept
    {
        Reset(other.Detach());
        return *this;
    }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    ~CUniqueHandle() { Reset(TTraits::Invalid()); }

    HANDLE Get() const { return m_hHandle; }
    bool IsValid() const { return m_hHandle != TTraits::Invalid() && m_hHandle != nullptr; }
    void Reset(HANDLE hHandle)
    {
        if (IsValid())
        {
            TTraits::Close(m_hHandle);
        }
        m_hHandle = hHandle;
    }

private:
    HANDLE Detach()
    {
        const HANDLE hHandle = m_hHandle;
        m_hHandle = TTraits::Invalid();
        return hHandle;
    }

    HANDLE m_hHandle = TTraits::Invalid();
};

struct SKernelHandleTraits
{
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE hHandle) { CloseHandle(hHandle); }
};

struct SFileHandleTraits
{
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE hHandle) { CloseHandle(hHandle); }
};

struct SFindHandleTraits
{
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE hHandle) { FindClose(hHandle); }
};

// A process or thread handle.
using CKernelHandle = CUniqueHandle<SKernelHandleTraits>;
// A file opened by CreateFileW.
using CFileHandle = CUniqueHandle<SFileHandleTraits>;
// A directory search of FindFirstFileW.
using CFindHandle = CUniqueHandle<SFindHandleTraits>;

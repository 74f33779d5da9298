#include "support/EmbeddedVersion.h"

#include <windows.h>

namespace
{
// A movable global memory block, locked while the object lives; unlocked and freed on every way
// out.
class CLockedGlobalBlock
{
public:
    explicit CLockedGlobalBlock(DWORD nSize) : m_hBlock(GlobalAlloc(GMEM_MOVEABLE, nSize))
    {
        m_pData = m_hBlock != nullptr ? GlobalLock(m_hBlock) : nullptr;
    }
    CLockedGlobalBlock(const CLockedGlobalBlock&) = delete;
    CLockedGlobalBlock& operator=(const CLockedGlobalBlock&) = delete;
    ~CLockedGlobalBlock()
    {
        if (m_pData != nullptr)
        {
            GlobalUnlock(m_hBlock);
        }
        if (m_hBlock != nullptr)
        {
            GlobalFree(m_hBlock);
        }
    }
    void* Data() const { return m_pData; }

private:
    HGLOBAL m_hBlock;
    void* m_pData = nullptr;
};
} // namespace

std::optional<SVersionWords> ReadEmbeddedVersion(const std::wstring& strPath)
{
    // The reader's path buffer holds 260 characters; CFileVersion refuses longer paths before.
    wchar_t szPath[MAX_PATH] = {};
    lstrcpynW(szPath, strPath.c_str(), MAX_PATH - 1);
    DWORD dwHandle = 0;
    const DWORD nSize = GetFileVersionInfoSizeW(szPath, &dwHandle);
    if (nSize == 0)
    {
        return std::nullopt;
    }
    const CLockedGlobalBlock block(nSize);
    if (block.Data() == nullptr)
    {
        return std::nullopt;
    }
    // The query below decides whether the resource was read.
    GetFileVersionInfoW(szPath, 0, nSize, block.Data());
    VS_FIXEDFILEINFO* pInfo = nullptr;
    UINT nInfoSize = 0;
    if (!VerQueryValueW(block.Data(), L"\\", reinterpret_cast<void**>(&pInfo), &nInfoSize) ||
        pInfo == nullptr)
    {
        return std::nullopt;
    }
    return SVersionWords{pInfo->dwFileVersionMS, pInfo->dwFileVersionLS, pInfo->dwProductVersionMS,
                         pInfo->dwProductVersionLS};
}

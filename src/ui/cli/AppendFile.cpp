#include "ui/cli/AppendFile.h"

// Held around the look at the size and the write, so that two writers cannot both find the file
// empty.
class CAppendFile::CLock
{
public:
    explicit CLock(CAppendFile& file) : m_file(file) { m_file.Lock(); }
    CLock(const CLock&) = delete;
    CLock& operator=(const CLock&) = delete;
    ~CLock() { m_file.Unlock(); }

private:
    CAppendFile& m_file;
};

bool CAppendFile::AppendRecord(std::string_view strHeader, std::string_view strRecord)
{
    if (!m_pHandle)
    {
        m_strError = "not open";
        return false;
    }
    const CLock lock(*this);
    std::optional<std::uint64_t> nSize;
    if (!ReadSize(nSize))
    {
        return false;
    }
    const bool bEmpty = nSize ? *nSize == 0 : !m_bWroteHeader;
    std::string strData;
    if (bEmpty)
    {
        strData = strHeader;
    }
    strData += strRecord;
    const std::optional<std::size_t> nWritten = WriteOnce(strData);
    if (!nWritten)
    {
        return false;
    }
    if (*nWritten != strData.size())
    {
        // Writing the rest separately could interleave with another writer's record, and the part
        // written would join the next writer's row: where the platform can, the file is cut back
        // to where it ended.
        m_strError = "only part of the record was written (disk full?)";
        if (nSize)
        {
            TakeBack(*nSize);
        }
        return false;
    }
    m_bWroteHeader = m_bWroteHeader || bEmpty;
    return true;
}

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// A file that many processes, on many machines, append records to at once (a CSV file on a
// share). Each record goes to the end of the file with one write, so records of different
// writers never interleave and none overwrites another. The header goes in the same write as
// the first record when the file is empty (or, for a pipe or terminal, before the first record
// this object writes); a lock on the file, where the file system offers one,
// keeps two writers from both finding it empty. What to write and when is decided here once;
// the platform adapter opens, locks, measures and writes the file.
class CAppendFile
{
public:
    CAppendFile();
    CAppendFile(const CAppendFile&) = delete;
    CAppendFile& operator=(const CAppendFile&) = delete;
    ~CAppendFile();

    // Opens the file for appending, creating it when it does not exist. False, with the reason
    // in GetError, when it cannot be opened.
    bool Open(const std::wstring& strPath);

    // Appends the record, after the header when the file is empty. False, with the reason in
    // GetError, when the record could not be written whole.
    bool AppendRecord(std::string_view strHeader, std::string_view strRecord);

    // Closes the file; false, with the reason in GetError, when the system reports that data
    // written earlier did not reach it (network file systems tell only here).
    bool Close();

    const std::string& GetError() const { return m_strError; }

private:
    struct SHandle;
    class CLock;

    // The platform's part; what can fail names the reason in m_strError.
    // Takes and gives back the file's lock; a file system without locks goes without.
    void Lock();
    void Unlock();
    // The size of a file whose size says whether a header is there (a file on disk); none for a
    // pipe or terminal, whose header is the one this object wrote. False on failure.
    bool ReadSize(std::optional<std::uint64_t>& nSize);
    // One write of strData at the end of the file; the count written, none on failure.
    std::optional<std::size_t> WriteOnce(std::string_view strData);
    // After a write that ended short: cuts the file back to nSize where the platform can,
    // saying so in m_strError when that fails.
    void TakeBack(std::uint64_t nSize);

    std::unique_ptr<SHandle> m_pHandle;
    bool m_bWroteHeader = false; // to the file now open
    std::string m_strError;
};

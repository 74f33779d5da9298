#pragma once

#include <memory>
#include <string>
#include <string_view>

// A file that many processes, on many machines, append records to at once (a CSV file on a
// share). Each record goes to the end of the file with one write, so records of different
// writers never interleave and none overwrites another. The header goes in the same write as
// the first record when the file is empty (or, for a pipe or terminal, before the first record
// this object writes); a lock on the file, where the file system offers one,
// keeps two writers from both finding it empty. Implemented by the platform adapter.
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
    std::unique_ptr<SHandle> m_pHandle;
    std::string m_strError;
};

#pragma once

#include <stdexcept>
#include <string>

class CReportFileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Puts the whole report at strPath in one step, never overwriting or following anything already
// there: it is written to a new private temporary file in the same folder, closed, and
// moved into place only if the path is still free. On any failure the temporary file is
// removed, nothing is left at strPath, and CReportFileError says why.
void WriteReportFile(const std::string& strPath, const std::string& strContent);

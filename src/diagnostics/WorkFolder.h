#pragma once

#include "diagnostics/IXmlDocument.h"

#include <memory>
#include <string>

// The work folder under the user's temporary directory and the report file inside it. The
// temporary directory and the folder operations come from the platform adapter; the paths are
// joined here.

inline constexpr const wchar_t* kWorkFolderName = L"sm3/qualify";
inline constexpr const wchar_t* kReportFileName = L"qdxd.xml";

// The user's temporary directory without a trailing separator.
std::wstring GetTempDirectory();

// JoinPathWith on this platform's separator.
std::wstring JoinPath(std::wstring strFirst, std::wstring strSecond);
std::wstring GetWorkFolderPath();
std::wstring GetReportPath();
// The forms handed to the diagnostics tool; paths without a short form give the long one.
std::wstring GetShortWorkFolder();
std::wstring GetShortReportPath();

// Where the collector starts and how it names the report it writes.
struct SCollectorPlace
{
    std::wstring strFolder;
    // The open folder to start in in place of strFolder, where the platform starts a child in
    // an open folder; else -1.
    int nFolderFd = -1;
    std::wstring strReport;
};

// The work folder as one run holds it: created and checked, and locked against other runs of
// the user until the handle goes, whatever ended the run. Every operation on the report reaches
// the folder that was checked, whatever its path names later.
class IWorkFolder
{
public:
    virtual ~IWorkFolder() = default;

    // Removes the report when it can (after making it writable, unless it has other links, whose
    // file must keep its permissions); reports nothing.
    virtual void DeleteReport() = 0;
    // The lock test: whether the folder holds an entry of the report's name, a symbolic link
    // counting as itself.
    virtual bool ReportExists() const = 0;
    // The report parsed; raises CZelSimpleException(-998) as LoadDiagnosticsReport does. A
    // symbolic link at the report is not followed.
    virtual std::unique_ptr<IXmlDocument> LoadReport() const = 0;
    virtual SCollectorPlace GetCollectorPlace() const = 0;
};

// Creates the work folder with its missing parents and holds it for the run; raises
// CZelSimpleException(25101) when it cannot be created or is not safe to use, and (10004) when
// another run holds it: one run at a time may use the work folder of a user.
[[nodiscard]] std::unique_ptr<IWorkFolder> CreateWorkFolder();

// How the platform's attempt to hold the work folder ended.
enum class EWorkFolderAccess
{
    Held,   // created or found, safe, and now held by this run alone
    Unsafe, // neither created nor found, or not safe to use
    InUse,  // held by another run
};

// Platform adapter: creates the work folder with its missing parents, checks it, and, when it
// is Held, hands over its hold in pFolder.
EWorkFolderAccess AcquireWorkFolder(std::unique_ptr<IWorkFolder>& pFolder);

// FileExists of the path with every "/" turned into this platform's separator.
bool FileExistsNormalized(std::wstring strPath);

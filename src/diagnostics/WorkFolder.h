#pragma once

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

// Creates the work folder with its missing parents and holds it for the run; raises
// CZelSimpleException(25101) when it cannot be created or is not safe to use, and (10004) when
// another run holds it: one run at a time may use the work folder of a user.
void CreateWorkFolder();

// How the platform's attempt to hold the work folder ended.
enum class EWorkFolderAccess
{
    Held,   // created or found, safe, and now held by this run alone
    Unsafe, // neither created nor found, or not safe to use
    InUse,  // held by another run
};

// Platform adapter: creates the work folder with its missing parents, checks it, and holds it,
// locked against other runs of the user, until ReleaseWorkFolder (or the process ends). The
// report's operations then reach the folder that was checked, whatever its path names later.
EWorkFolderAccess AcquireWorkFolder();
// Lets other runs have the work folder again; nothing when none is held.
void ReleaseWorkFolder();

// Removes the report file when it can (after making it writable, unless it has other links,
// whose file must keep its permissions); reports nothing. Only the report in the work folder
// held for the run is removed.
void DeleteReportFile(const std::wstring& strReportPath);
// The lock test: FileExists of the path with every "/" turned into this platform's separator.
bool FileExistsNormalized(std::wstring strPath);

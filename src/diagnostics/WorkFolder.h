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

// Creates the work folder with its missing parents; raises CZelSimpleException(25101) when it
// cannot be created or is not safe to use.
void CreateWorkFolder();
// Removes the report file when it can (after making it writable); reports nothing.
void DeleteReportFile(const std::wstring& strReportPath);
// The lock test: FileExists of the path with every "/" turned into this platform's separator.
bool FileExistsNormalized(std::wstring strPath);

#pragma once

#include <optional>
#include <string>
#include <windows.h>

// How the dialog hands a result on: the clipboard and a file the user names.

// UTF-8 text with '\n' line ends as the UTF-16 text with "\r\n" that Windows programs expect.
std::wstring ToWindowsText(const std::string& strText);

// Puts the text on the clipboard as Unicode text; false when the clipboard could not be taken.
bool CopyTextToClipboard(HWND hOwner, const std::wstring& strText);

// The path chosen in the system's Save dialog (text or JSON), or none when it was cancelled.
std::optional<std::wstring> AskSavePath(HWND hOwner);

// Writes the bytes as the whole file, replacing it; false, with the system's error code in
// nError, when that failed.
bool WriteWholeFile(const std::wstring& strPath, const std::string& strBytes, DWORD& nError);

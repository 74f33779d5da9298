#pragma once

#include <string>
#include <windows.h>

// Runs the About box of template 100 modally over its owner. Its three lines are read from the
// program's executable file at each opening; an empty path leaves both version lines empty.
void ShowAboutBox(HWND hOwner, const std::wstring& strModulePath);

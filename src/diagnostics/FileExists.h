#pragma once

// Platform adapter: true when the file system holds an entry at the path, a directory included;
// a symbolic link counts as itself and is not followed. False for a null path.
bool FileExists(const wchar_t* pszPath);

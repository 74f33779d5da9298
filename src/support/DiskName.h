#pragma once

#include <string>
#include <string_view>

// The name under which a disk appears in the diagnostics report, made from the bytes of its mount
// point. Linux allows any bytes but "/" and NUL in a folder name, while the report is XML text,
// which takes neither every control character nor bytes that are no UTF-8. The collector writes
// this form and the reader compares with it, so the two agree whatever bytes the name has.
//
// UTF-8 text passes unchanged, except that every byte that is not part of a well-formed sequence
// of an XML character, every control character (tabs and line breaks included, which XML would
// not keep as they are) and the backslash itself become "\xHH" (two upper-case hexadecimal
// digits). Escaping the backslash too keeps the form one to one.
std::string EncodeDiskName(std::string_view strMountPoint);

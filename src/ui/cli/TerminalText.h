#pragma once

#include <string>
#include <string_view>

// Text for a terminal from anywhere outside the program (a report's names, a path): valid UTF-8
// in which every control character is written out ("\x1B", "\u009B"), so that no such text can
// move the cursor, recolour the screen or send the terminal a command. Line breaks are written out
// too, so that one value stays one line, unless bKeepLineBreaks (a box's text of several lines).
std::string ToTerminalText(std::wstring_view strText, bool bKeepLineBreaks = false);

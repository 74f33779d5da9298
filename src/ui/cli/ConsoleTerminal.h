#pragma once

// What the console front end needs to know of its terminal. Implemented by the platform adapter.

enum class EStandardStream
{
    Input,
    Output,
    Error,
};

// True when the stream is a terminal (a console window), not a file or a pipe.
bool IsTerminal(EStandardStream stream);

// True when colour sequences written to the stream show as colours. A console that needs a mode
// for them is switched to it here.
bool EnableTerminalColours(EStandardStream stream);

// Colours only at a terminal that shows them, and never when NO_COLOR is set to anything but the
// empty string (pszNoColor is its value, or null when it is not set).
bool ShouldUseColour(bool bTerminal, bool bColourCapable, const char* pszNoColor);

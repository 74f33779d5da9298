#include "ui/cli/ConsoleTerminal.h"

bool ShouldUseColour(bool bTerminal, bool bColourCapable, const char* pszNoColor)
{
    const bool bNoColor = pszNoColor != nullptr && *pszNoColor != '\0';
    return bTerminal && bColourCapable && !bNoColor;
}

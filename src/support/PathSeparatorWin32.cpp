#include "support/PathSeparator.h"

wchar_t GetPathSeparator()
{
    return L'\\';
}

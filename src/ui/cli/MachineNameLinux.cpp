#include "support/TextConvert.h"
#include "ui/cli/MachineName.h"

#include <climits>
#include <unistd.h>

std::wstring GetMachineName()
{
    char aName[HOST_NAME_MAX + 1] = {};
    if (gethostname(aName, sizeof(aName) - 1) != 0)
    {
        return std::wstring();
    }
    return Utf8ToWide(aName);
}

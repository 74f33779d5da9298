#include "wine/WineProgram.h"

#include <cstdlib>
#include <stdexcept>

namespace
{
std::string ReadVariable(const char* pszName, const std::string& strDefault)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr && *pszValue != '\0' ? pszValue : strDefault;
}
} // namespace

std::string GetWindowsBuildDir()
{
    return ReadVariable("RIGVET_WINDOWS_BUILD", std::string(RIGVET_SOURCE_DIR) + "/build/windows");
}

std::string GetWinePrefix()
{
    return ReadVariable("WINEPREFIX", std::string(RIGVET_SOURCE_DIR) + "/build/wine-prefix");
}

std::string ToWinePath(const std::string& strPath)
{
    std::string strWine = "Z:" + strPath;
    for (char& ch : strWine)
    {
        ch = ch == '/' ? '\\' : ch;
    }
    return strWine;
}

SProgramResult RunScript(const std::string& strScript, const std::vector<std::string>& aArguments)
{
    SProgramOptions options;
    options.environment["WINEPREFIX"] = GetWinePrefix();
    return RunProgram(std::string(RIGVET_SOURCE_DIR) + "/scripts/" + strScript, aArguments,
                      options);
}

void SetWineWindowsVersion(const std::string& strVersion)
{
    const SProgramResult result = RunScript("wine-prefix", {strVersion});
    if (result.nExitCode != 0)
    {
        throw std::runtime_error("scripts/wine-prefix " + strVersion +
                                 " failed: " + result.strError);
    }
}

SProgramResult RunWindowsProgram(const std::string& strProgram,
                                 const std::vector<std::string>& aArguments,
                                 SProgramOptions options)
{
    std::vector<std::string> aWineArguments{GetWindowsBuildDir() + "/bin/" + strProgram};
    aWineArguments.insert(aWineArguments.end(), aArguments.begin(), aArguments.end());
    options.environment["WINEPREFIX"] = GetWinePrefix();
    options.environment["WINEDEBUG"] = "-all";
    return RunProgram(std::string(RIGVET_SOURCE_DIR) + "/scripts/wine-exec", aWineArguments,
                      options);
}

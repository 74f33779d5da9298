#include "support/TestFolder.h"

#include "support/TestEnvironment.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

CTestFolder::CTestFolder()
{
    std::random_device randomDevice;
    for (int nAttempt = 0; nAttempt < 100; ++nAttempt)
    {
        const fs::path candidate =
            fs::temp_directory_path() / ("rigvet-test-" + std::to_string(randomDevice()));
        std::error_code error;
        if (fs::create_directory(candidate, error))
        {
            // Created by this process alone; made private so the work-folder checks accept it.
            fs::permissions(candidate, fs::perms::owner_all, fs::perm_options::replace);
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("no fresh test folder could be created");
}

CTestFolder::~CTestFolder()
{
    std::error_code error;
    fs::remove_all(m_path, error);
}

std::string CTestFolder::File(const std::string& strName) const
{
    return (m_path / strName).string();
}

std::string CTestFolder::Write(const std::string& strName, const std::string& strContent) const
{
    const std::string strPath = File(strName);
    WriteTextFile(strPath, strContent);
    return strPath;
}

CScopedVariable::CScopedVariable(const char* pszName, const std::optional<std::string>& strValue)
    : m_strName(pszName), m_strOld(GetTestVariable(pszName))
{
    SetTestVariable(m_strName, strValue);
}

CScopedVariable::~CScopedVariable()
{
    SetTestVariable(m_strName, m_strOld);
}

void WriteTextFile(const fs::path& path, const std::string& strContent)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << strContent;
    file.close();
    if (!file)
    {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string ReadTextFile(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

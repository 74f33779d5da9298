#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>

// A fresh private folder (mode 0700) removed with its content when the object goes.
class CTestFolder
{
public:
    CTestFolder()
    {
        std::string strTemplate =
            (std::filesystem::temp_directory_path() / "rigvet-unit-XXXXXX").string();
        if (mkdtemp(strTemplate.data()) == nullptr)
        {
            throw std::runtime_error("mkdtemp failed");
        }
        m_path = strTemplate;
    }
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;
    ~CTestFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Sets (or removes, for nullopt) an environment variable for the life of the object.
class CScopedVariable
{
public:
    CScopedVariable(const char* pszName, const std::optional<std::string>& strValue)
        : m_strName(pszName)
    {
        if (const char* pszOld = std::getenv(pszName))
        {
            m_strOld = pszOld;
        }
        Apply(strValue);
    }
    CScopedVariable(const CScopedVariable&) = delete;
    CScopedVariable& operator=(const CScopedVariable&) = delete;
    ~CScopedVariable() { Apply(m_strOld); }

private:
    void Apply(const std::optional<std::string>& strValue)
    {
        if (strValue)
        {
            setenv(m_strName.c_str(), strValue->c_str(), 1);
        }
        else
        {
            unsetenv(m_strName.c_str());
        }
    }

    std::string m_strName;
    std::optional<std::string> m_strOld;
};

inline void WriteTextFile(const std::filesystem::path& path, const std::string& strContent)
{
    std::ofstream file(path, std::ios::binary);
    file << strContent;
}

inline std::string ReadTextFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

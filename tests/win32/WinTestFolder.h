#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <windows.h>

// A fresh folder under the system's temporary folder, removed with its content when the object
// goes.
class CWinTestFolder
{
public:
    explicit CWinTestFolder(const std::wstring& strPrefix = L"rigvet-test ")
    {
        std::random_device random;
        for (int nTry = 0; nTry < 100 && m_path.empty(); ++nTry)
        {
            const std::filesystem::path candidate =
                std::filesystem::temp_directory_path() / (strPrefix + std::to_wstring(random()));
            if (std::filesystem::create_directory(candidate))
            {
                m_path = candidate;
            }
        }
        if (m_path.empty())
        {
            throw std::runtime_error("cannot create a test folder");
        }
    }
    CWinTestFolder(const CWinTestFolder&) = delete;
    CWinTestFolder& operator=(const CWinTestFolder&) = delete;
    ~CWinTestFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    const std::filesystem::path& Path() const { return m_path; }
    std::wstring File(const std::wstring& strName) const { return (m_path / strName).wstring(); }

private:
    std::filesystem::path m_path;
};

// Sets (or removes, for nullopt) an environment variable of this process for the life of the
// object; child processes inherit it.
class CScopedWinVariable
{
public:
    CScopedWinVariable(const wchar_t* pszName, const std::optional<std::wstring>& strValue)
        : m_strName(pszName)
    {
        if (const wchar_t* pszOld = _wgetenv(pszName))
        {
            m_strOld = pszOld;
        }
        Apply(strValue);
    }
    CScopedWinVariable(const CScopedWinVariable&) = delete;
    CScopedWinVariable& operator=(const CScopedWinVariable&) = delete;
    ~CScopedWinVariable() { Apply(m_strOld); }

private:
    void Apply(const std::optional<std::wstring>& strValue)
    {
        _wputenv_s(m_strName.c_str(), strValue ? strValue->c_str() : L"");
    }

    std::wstring m_strName;
    std::optional<std::wstring> m_strOld;
};

inline void WriteFileText(const std::wstring& strPath, const std::string& strContent)
{
    std::ofstream file(std::filesystem::path(strPath), std::ios::binary);
    file << strContent;
}

inline std::string ReadFileText(const std::wstring& strPath)
{
    std::ifstream file(std::filesystem::path(strPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

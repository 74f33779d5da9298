#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A fresh folder that only its owner may use, removed with everything in it when the object goes.
class CTestFolder
{
public:
    CTestFolder();
    CTestFolder(const CTestFolder&) = delete;
    CTestFolder& operator=(const CTestFolder&) = delete;
    ~CTestFolder();

    const std::filesystem::path& Path() const { return m_path; }
    // The path of a file in the folder.
    std::string File(const std::string& strName) const;
    // Writes the file in the folder and returns its path.
    std::string Write(const std::string& strName, const std::string& strContent) const;

private:
    std::filesystem::path m_path;
};

// Sets (or removes, for nullopt) an environment variable for the life of the object.
class CScopedVariable
{
public:
    CScopedVariable(const char* pszName, const std::optional<std::string>& strValue);
    CScopedVariable(const CScopedVariable&) = delete;
    CScopedVariable& operator=(const CScopedVariable&) = delete;
    ~CScopedVariable();

private:
    std::string m_strName;
    std::optional<std::string> m_strOld;
};

// Replaces the file's content; throws when it cannot be written.
void WriteTextFile(const std::filesystem::path& path, const std::string& strContent);
// The file's whole content; empty when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& path);

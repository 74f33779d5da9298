#pragma once

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <stdlib.h>
#include <string>

// A fresh folder for the update tests' files, removed with its content when the object goes.
class CUpdateTestFolder
{
public:
    CUpdateTestFolder()
    {
        std::string strTemplate =
            (std::filesystem::temp_directory_path() / "rigvet-updates-XXXXXX").string();
        if (mkdtemp(strTemplate.data()) == nullptr)
        {
            throw std::runtime_error("mkdtemp failed");
        }
        m_strPath = strTemplate;
    }
    CUpdateTestFolder(const CUpdateTestFolder&) = delete;
    CUpdateTestFolder& operator=(const CUpdateTestFolder&) = delete;
    ~CUpdateTestFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_strPath, error);
    }

    std::string File(const std::string& strName) const { return m_strPath + "/" + strName; }

    std::string Write(const std::string& strName, const std::string& strContent) const
    {
        const std::string strPath = File(strName);
        std::ofstream file(strPath, std::ios::binary);
        file << strContent;
        if (!file)
        {
            throw std::runtime_error("cannot write " + strPath);
        }
        return strPath;
    }

    static std::string Read(const std::string& strPath)
    {
        std::ifstream file(strPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

private:
    std::string m_strPath;
};

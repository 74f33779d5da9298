#include "support/CFileVersion.h"

#include "support/TestFolder.h"
#include "support/TextConvert.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{
std::wstring ProbePath(const char* pszName)
{
    return Utf8ToWide(std::string(RIGVET_PROBES_DIR) + "/" + pszName);
}

struct SVersionCase
{
    const char* pszProbe;
    bool bProductVersion;
    std::uint32_t aExpected[4];
    const wchar_t* pszText;
};

class CFileVersionRead : public testing::TestWithParam<SVersionCase>
{
};

TEST_P(CFileVersionRead, ReadsTheEmbeddedNumbers)
{
    const SVersionCase& test = GetParam();
    CFileVersion version;
    ASSERT_TRUE(version.Read(ProbePath(test.pszProbe).c_str(), test.bProductVersion));
    EXPECT_EQ(version.m_nMajor, test.aExpected[0]);
    EXPECT_EQ(version.m_nMinor, test.aExpected[1]);
    EXPECT_EQ(version.m_nIncremental, test.aExpected[2]);
    EXPECT_EQ(version.m_nBuild, test.aExpected[3]);
    EXPECT_EQ(version.ToString(), test.pszText);
}

INSTANTIATE_TEST_SUITE_P(
    Probes, CFileVersionRead,
    testing::Values(
        SVersionCase{"version_probe_1043", false, {1, 0, 4, 3}, L"1.0.4.3"},
        SVersionCase{"version_probe_1043", true, {1, 0, 4, 3}, L"1.0.4.3"},
        SVersionCase{"version_probe_2107", false, {2, 1, 0, 7}, L"2.1.0.7"},
        SVersionCase{"version_probe_2107", true, {2, 1, 0, 0}, L"2.1.0.0"},
        SVersionCase{
            "version_probe_max", false, {65535, 65535, 65535, 65535}, L"65535.65535.65535.65535"},
        SVersionCase{"version_probe_max", true, {65535, 0, 65535, 1}, L"65535.0.65535.1"}));

TEST(CFileVersion2, ReadsTheFileVersion)
{
    CFileVersion2 version;
    ASSERT_TRUE(version.Read(ProbePath("version_probe_2107").c_str()));
    EXPECT_EQ(version.m_nMajor, 2u);
    EXPECT_EQ(version.m_nMinor, 1u);
    EXPECT_EQ(version.m_nIncremental, 0u);
    EXPECT_EQ(version.m_nBuild, 7u);
}

TEST(CFileVersion, ShippedProgramCarriesTheProjectVersion)
{
    const std::wstring strCli = Utf8ToWide(RIGVET_CLI_PATH);
    CFileVersion fileVersion;
    ASSERT_TRUE(fileVersion.Read(strCli.c_str(), false));
    EXPECT_EQ(fileVersion.ToString(), Utf8ToWide(RIGVET_PROJECT_VERSION));
    // The product version keeps the first three numbers and drops the build number.
    CFileVersion productVersion;
    ASSERT_TRUE(productVersion.Read(strCli.c_str(), true));
    EXPECT_EQ(productVersion.m_nMajor, fileVersion.m_nMajor);
    EXPECT_EQ(productVersion.m_nMinor, fileVersion.m_nMinor);
    EXPECT_EQ(productVersion.m_nIncremental, fileVersion.m_nIncremental);
    EXPECT_EQ(productVersion.m_nBuild, 0u);
}

// Each failing read must leave the numbers exactly as they were.
void ExpectFailureKeepsNumbers(const wchar_t* pszPath)
{
    CFileVersion version;
    version.m_nMajor = 9;
    version.m_nBuild = 8;
    EXPECT_FALSE(version.Read(pszPath, false));
    EXPECT_FALSE(version.Read(pszPath, true));
    EXPECT_EQ(version.ToString(), L"9.0.0.8");

    CFileVersion2 version2;
    version2.m_nMinor = 5;
    EXPECT_FALSE(version2.Read(pszPath));
    EXPECT_EQ(version2.m_nMajor, 0u);
    EXPECT_EQ(version2.m_nMinor, 5u);
}

TEST(CFileVersion, ExecutableWithoutVersionFails)
{
    ExpectFailureKeepsNumbers(ProbePath("version_probe_none").c_str());
    CFileVersion version;
    EXPECT_FALSE(version.Read(ProbePath("version_probe_none").c_str(), false));
    EXPECT_EQ(version.ToString(), L"0.0.0.0");
}

TEST(CFileVersion, MissingFileFails)
{
    ExpectFailureKeepsNumbers(ProbePath("no_such_probe").c_str());
}

TEST(CFileVersion, NullPathFails)
{
    ExpectFailureKeepsNumbers(nullptr);
}

TEST(CFileVersion, FolderFails)
{
    ExpectFailureKeepsNumbers(Utf8ToWide(RIGVET_PROBES_DIR).c_str());
}

TEST(CFileVersion, TextFileFails)
{
    const CTestFolder folder;
    const std::filesystem::path path = folder.Write("version-text", "not an executable\n");
    ExpectFailureKeepsNumbers(path.wstring().c_str());
}

// A copy of a probe at a path of exactly nLength characters.
class CProbeAtLength
{
public:
    explicit CProbeAtLength(std::size_t nLength)
    {
        std::filesystem::path folder = m_folder.Path();
        while (folder.string().size() + 1 + 100 < nLength)
        {
            folder /= std::string(60, 'd');
        }
        std::filesystem::create_directories(folder);
        const std::size_t nNameLength = nLength - folder.string().size() - 1;
        m_path = folder / std::string(nNameLength, 'p');
        std::filesystem::copy_file(Utf8ToWide(RIGVET_PROBES_DIR "/version_probe_1043"), m_path);
    }
    CProbeAtLength(const CProbeAtLength&) = delete;
    CProbeAtLength& operator=(const CProbeAtLength&) = delete;
    std::wstring Path() const { return m_path.wstring(); }

private:
    CTestFolder m_folder;
    std::filesystem::path m_path;
};

TEST(CFileVersion, PathOf258CharactersIsRead)
{
    const CProbeAtLength probe(258);
    ASSERT_EQ(probe.Path().size(), 258u);
    CFileVersion version;
    EXPECT_TRUE(version.Read(probe.Path().c_str(), false));
    EXPECT_EQ(version.ToString(), L"1.0.4.3");
}

TEST(CFileVersion, PathOf259CharactersIsRefused)
{
    const CProbeAtLength probe(259);
    ASSERT_EQ(probe.Path().size(), 259u);
    ExpectFailureKeepsNumbers(probe.Path().c_str());
}
} // namespace

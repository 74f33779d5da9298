#include "support/InstallLayout.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace
{
struct SCandidatesCase
{
    const wchar_t* pszProgram;
    const char* pszInstallFolder;
    const wchar_t* pszBeside;
    const wchar_t* pszInstalled;
};

TEST(ListInstalledCandidates, BesideTheProgramFirstThenTheInstallFolder)
{
    const std::vector<SCandidatesCase> aCases = {
        {L"/usr/bin/rigvet-cli", "../libexec/rigvet", L"/usr/bin/rigvet-dxdiag",
         L"/usr/libexec/rigvet/rigvet-dxdiag"},
        {L"/opt/rigvet/bin/rigvet", "../libexec/rigvet", L"/opt/rigvet/bin/rigvet-dxdiag",
         L"/opt/rigvet/libexec/rigvet/rigvet-dxdiag"},
        {L"/home/lab user/build/release/bin/rigvet-cli", "../libexec/rigvet",
         L"/home/lab user/build/release/bin/rigvet-dxdiag",
         L"/home/lab user/build/release/libexec/rigvet/rigvet-dxdiag"},
        {L"/usr/bin/rigvet-cli", "../lib/x86_64-linux-gnu/rigvet", L"/usr/bin/rigvet-dxdiag",
         L"/usr/lib/x86_64-linux-gnu/rigvet/rigvet-dxdiag"},
        {L"/usr/local/bin/rigvet-cli", "./helpers/", L"/usr/local/bin/rigvet-dxdiag",
         L"/usr/local/bin/helpers/rigvet-dxdiag"},
        {L"/a/b/c/rigvet-cli", "../../x//y", L"/a/b/c/rigvet-dxdiag", L"/a/x/y/rigvet-dxdiag"},
        // The root has no parent: ".." there stays at the root.
        {L"/rigvet-cli", "../libexec/rigvet", L"/rigvet-dxdiag", L"/libexec/rigvet/rigvet-dxdiag"},
        {L"/bin/rigvet-cli", "../../../libexec", L"/bin/rigvet-dxdiag", L"/libexec/rigvet-dxdiag"},
    };
    for (const SCandidatesCase& testCase : aCases)
    {
        const std::vector<std::wstring> aCandidates = ListInstalledCandidates(
            testCase.pszProgram, L"rigvet-dxdiag", testCase.pszInstallFolder);
        ASSERT_EQ(aCandidates.size(), 2u);
        EXPECT_EQ(aCandidates[0], testCase.pszBeside) << testCase.pszInstallFolder;
        EXPECT_EQ(aCandidates[1], testCase.pszInstalled) << testCase.pszInstallFolder;
    }
}

TEST(ListInstalledCandidates, NamesThatAreNotAsciiSurvive)
{
    const std::vector<std::wstring> aCandidates = ListInstalledCandidates(
        L"/home/\u00e9l\u00e8ve/bin/rigvet-cli", L"rigvet-dxdiag", "../libexec/rigvet");
    EXPECT_EQ(aCandidates[1], L"/home/\u00e9l\u00e8ve/libexec/rigvet/rigvet-dxdiag");
}

TEST(InstallFolders, AreRelativeToTheProgramsAndOfRigvetsOwn)
{
    for (const std::string strFolder : {kCollectorInstallFolder, kModuleInstallFolder})
    {
        ASSERT_FALSE(strFolder.empty());
        EXPECT_NE(strFolder.front(), '/') << strFolder; // no prefix is written into the programs
        EXPECT_EQ(strFolder.substr(strFolder.rfind('/') + 1), "rigvet") << strFolder;
    }
    EXPECT_NE(std::string(kCollectorInstallFolder), kModuleInstallFolder);
}

TEST(ChooseCandidate, TakesTheFirstThatCanBeUsed)
{
    const std::vector<std::wstring> aCandidates = {L"/b/beside", L"/i/installed"};
    struct SCase
    {
        std::set<std::wstring> runnable;
        const wchar_t* pszChosen;
    };
    const std::vector<SCase> aCases = {
        {{L"/b/beside", L"/i/installed"}, L"/b/beside"},
        {{L"/i/installed"}, L"/i/installed"},
        {{L"/b/beside"}, L"/b/beside"},
        // None can run: the one beside, so the failure to start it names a build's place.
        {{}, L"/b/beside"},
    };
    for (const SCase& testCase : aCases)
    {
        std::vector<std::wstring> aAsked;
        const std::wstring strChosen =
            ChooseCandidate(aCandidates,
                            [&](const std::wstring& strPath)
                            {
                                aAsked.push_back(strPath);
                                return testCase.runnable.count(strPath) > 0;
                            });
        EXPECT_EQ(strChosen, testCase.pszChosen);
        EXPECT_EQ(aAsked.front(), L"/b/beside"); // beside is always asked first
    }
}

TEST(ChooseCandidate, NoCandidatesGiveNoProgram)
{
    EXPECT_EQ(ChooseCandidate({}, [](const std::wstring&) { return true; }), L"");
}
} // namespace

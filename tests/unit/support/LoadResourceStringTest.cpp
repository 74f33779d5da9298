#include "support/LoadResourceString.h"

#include "support/CZelSimpleException.h"
#include "support/StringTable.h"

#include <gtest/gtest.h>

TEST(LoadResourceString, FormatsTheEntryWithTheCallersArguments)
{
    EXPECT_EQ(LoadResourceString(10001, 11005), L"Error Occurred - 11005");
    EXPECT_EQ(LoadResourceString(10001, -999), L"Error Occurred - -999");
    EXPECT_EQ(LoadResourceString(10005, -1), L"The execution of dxdiag.exe has failed. Ret = -1");
    EXPECT_EQ(LoadResourceString(123, 1u, 0u, 4u, 3u),
              L"Rigvet for Stimora 3.0 and Fieldora 1.0, Version 1.0.4.3");
    EXPECT_EQ(LoadResourceString(25101, L"/tmp/x y/sm3/qualify"),
              L"The work folder /tmp/x y/sm3/qualify could not be created or is not safe to use. "
              L"It must be a folder of your own that no other user can change.");
}

TEST(LoadResourceString, EntriesWithoutConversionsComeBackUnchanged)
{
    EXPECT_EQ(LoadResourceString(11000),
              L"The Windows Update Agent Knowledge Base search has failed. The testing has been "
              L"aborted.");
    EXPECT_EQ(LoadResourceString(101), L"&About Rigvet...");
}

TEST(LoadResourceString, KeepsTheTradeMarkSignsAndLineBreaks)
{
    const std::wstring strDisplay = LoadResourceString(108);
    EXPECT_EQ(strDisplay,
              L"A DirectX\u2122 11 or greater display adapter is required for Windows 8 "
              L"or 10, and a DirectX\u2122 7 display adapter for Windows 7 SP1.");
    EXPECT_EQ(LoadResourceString(121).substr(LoadResourceString(121).find(L"?\n")),
              L"?\n\nYes - Perform all tests\nNo - Only perform tests that don't require the "
              L"internet\nCancel - Perform no testing");
}

TEST(LoadResourceString, TheTableHoldsExactlyTheProgramsIds)
{
    std::vector<unsigned int> aExpected;
    for (unsigned int nId = 101; nId <= 123; ++nId)
    {
        aExpected.push_back(nId);
    }
    for (unsigned int nId : {10001u, 10002u, 10003u, 10004u, 10005u, 11000u, 25101u})
    {
        aExpected.push_back(nId);
    }
    std::vector<unsigned int> aFound;
    for (unsigned int nId = 0; nId < 70000; ++nId)
    {
        if (LoadStringTableEntry(nId))
        {
            aFound.push_back(nId);
            EXPECT_FALSE(LoadResourceString(nId, 0, 0, 0, 0).empty()) << nId;
        }
    }
    EXPECT_EQ(aFound, aExpected);
}

TEST(LoadResourceString, AnUnknownIdYieldsAnEmptyStringWhateverFollows)
{
    EXPECT_EQ(LoadResourceString(124), L"");
    EXPECT_EQ(LoadResourceString(124, 5, L"x"), L"");
    EXPECT_EQ(LoadResourceString(0), L"");
}

TEST(LoadResourceString, AnOverlongResultIsCutTo1022Characters)
{
    const std::wstring strLongPath(3000, L'p');
    const std::wstring strResult = LoadResourceString(25101, strLongPath.c_str());
    ASSERT_EQ(strResult.size(), 1022u);
    EXPECT_EQ(strResult.substr(0, 16), L"The work folder ");
}

TEST(CZelSimpleException, KeepsCodeAndMessageAfterTheRaisersStringIsGone)
{
    try
    {
        std::wstring strMessage = LoadResourceString(11000);
        CZelSimpleException exception(11004, strMessage);
        strMessage.assign(10, L'x');
        throw exception;
    }
    catch (CZelSimpleException caught)
    {
        EXPECT_EQ(caught.m_nCode, 11004);
        EXPECT_EQ(caught.m_strMessage, LoadResourceString(11000));
    }
}

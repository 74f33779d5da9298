#include "updates/CFileUpdateAgent.h"

#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/TestFolder.h"
#include "updates/SearchInstalledUpdates.h"

#include <gtest/gtest.h>

namespace
{
constexpr const wchar_t* kRequired = L"4474419, 4490628, 4536952";

std::int32_t SearchFailureCode(const std::optional<std::string>& strPath)
{
    CFileUpdateAgent agent(strPath);
    std::wstring strFound;
    try
    {
        SearchInstalledUpdates(agent, kRequired, strFound);
    }
    catch (CZelSimpleException exception)
    {
        EXPECT_EQ(exception.m_strMessage, LoadResourceString(11000));
        EXPECT_EQ(strFound, L"");
        return exception.m_nCode;
    }
    ADD_FAILURE() << "the search did not fail";
    return 0;
}

TEST(CFileUpdateAgent, SearchReportsTheFileInOrder)
{
    const CTestFolder folder;
    CFileUpdateAgent agent(folder.Write("updates.txt", "982018\r\n4536952,4474419\n\n4490628"));
    std::wstring strFound;
    EXPECT_TRUE(SearchInstalledUpdates(agent, kRequired, strFound));
    EXPECT_EQ(strFound, L"982018,4536952,4474419,4490628");
}

TEST(CFileUpdateAgent, MissingArticleIsFalse)
{
    const CTestFolder folder;
    CFileUpdateAgent agent(folder.Write("updates.txt", "4474419\n4490628\n"));
    std::wstring strFound;
    EXPECT_FALSE(SearchInstalledUpdates(agent, kRequired, strFound));
    EXPECT_EQ(strFound, L"4474419,4490628");
}

TEST(CFileUpdateAgent, EmptyFileIsNoUpdateAtAll)
{
    const CTestFolder folder;
    CFileUpdateAgent agent(folder.Write("updates.txt", ""));
    std::wstring strFound;
    EXPECT_FALSE(SearchInstalledUpdates(agent, L"", strFound));
    EXPECT_EQ(strFound, L"");
}

TEST(CFileUpdateAgent, FileIsReadAgainAtEachSearch)
{
    const CTestFolder folder;
    const std::string strPath = folder.Write("updates.txt", "1\n");
    CFileUpdateAgent agent(strPath);
    std::wstring strFound;
    EXPECT_FALSE(SearchInstalledUpdates(agent, L"2", strFound));
    folder.Write("updates.txt", "1,2\n");
    strFound.clear();
    EXPECT_TRUE(SearchInstalledUpdates(agent, L"2", strFound));
    EXPECT_EQ(strFound, L"1,2");
}

TEST(CFileUpdateAgent, NoPathFailsLikeAnAgentThatCannotBeCreated)
{
    EXPECT_EQ(SearchFailureCode(std::nullopt), 11000);
}

TEST(CFileUpdateAgent, MissingFileFailsLikeAnAgentThatCannotBeCreated)
{
    const CTestFolder folder;
    EXPECT_EQ(SearchFailureCode(folder.File("absent.txt")), 11000);
}

TEST(CFileUpdateAgent, UnreadableFileFailsLikeAnAgentThatCannotBeCreated)
{
    const CTestFolder folder;
    std::filesystem::create_directory(folder.File("a-folder"));
    EXPECT_EQ(SearchFailureCode(folder.File("a-folder")), 11000);
}

TEST(CFileUpdateAgent, IndexOutsideACollectionDeliversNothing)
{
    const CTestFolder folder;
    CFileUpdateAgent agent(folder.Write("updates.txt", "1\n"));
    std::unique_ptr<IUpdateSessionObject> pSession;
    ASSERT_EQ(agent.CreateUpdateSession(pSession), kAgentStatusOk);
    std::unique_ptr<IUpdateSearcherObject> pSearcher;
    ASSERT_EQ(pSession->CreateUpdateSearcher(pSearcher), kAgentStatusOk);
    std::unique_ptr<ISearchResultObject> pResult;
    ASSERT_EQ(pSearcher->Search(kUpdateSearchCriteria, pResult), kAgentStatusOk);
    std::unique_ptr<IUpdateCollectionObject> pUpdates;
    ASSERT_EQ(pResult->GetUpdates(pUpdates), kAgentStatusOk);

    std::unique_ptr<IUpdateObject> pUpdate;
    EXPECT_LT(pUpdates->GetItem(1, pUpdate), 0);
    EXPECT_LT(pUpdates->GetItem(-1, pUpdate), 0);
    EXPECT_EQ(pUpdate, nullptr);

    ASSERT_EQ(pUpdates->GetItem(0, pUpdate), kAgentStatusOk);
    std::unique_ptr<IStringCollectionObject> pIds;
    ASSERT_EQ(pUpdate->GetKBArticleIDs(pIds), kAgentStatusOk);
    std::wstring strId = L"unchanged";
    EXPECT_LT(pIds->GetItem(1, strId), 0);
    EXPECT_EQ(strId, L"unchanged");
}
} // namespace

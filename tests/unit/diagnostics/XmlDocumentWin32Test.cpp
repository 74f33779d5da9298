// The report through MSXML: what loads, what is refused, and how the queries and child texts
// behave. The fixture reports' values are checked against the shared table in ReportCasesTest.
#include "diagnostics/XmlReport.h"
#include "support/CZelSimpleException.h"
#include "support/UniqueHandleWin32.h"
#include "win32/WideFiles.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{
std::wstring Fixture(const char* pszName)
{
    return std::filesystem::path(std::string(RIGVET_FIXTURES_DIR) + "/reports/" + pszName)
        .wstring();
}

void ExpectLoadFails(const std::wstring& strPath)
{
    try
    {
        LoadDiagnosticsReport(strPath);
        ADD_FAILURE() << "loaded";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, -998);
        EXPECT_EQ(exception.m_strMessage, L"Could not load the dxdiag XML file");
    }
}

std::wstring ChildTextOfFirst(const IXmlDocument& document, const wchar_t* pszQuery,
                              const wchar_t* pszChild)
{
    const std::unique_ptr<IXmlNodeList> pList = document.SelectNodes(pszQuery);
    if (pList == nullptr || pList->GetLength() == 0)
    {
        ADD_FAILURE() << "nothing matches";
        return std::wstring();
    }
    const std::unique_ptr<IXmlNode> pItem = pList->GetItem(0);
    return GetChildText(pItem.get(), pszChild);
}

class XmlText : public ::testing::Test
{
protected:
    std::unique_ptr<IXmlDocument> Load(const std::string& strXml)
    {
        WriteTextFile(WideFile(m_folder, L"r.xml"), strXml);
        return LoadDiagnosticsReport(WideFile(m_folder, L"r.xml"));
    }
    CTestFolder m_folder;
};

TEST(MsXmlLoad, MissingEmptyAndTruncatedReportsRaise998)
{
    for (const char* pszName : {"no-such-report.xml", "empty.xml", "truncated.xml"})
    {
        SCOPED_TRACE(pszName);
        ExpectLoadFails(Fixture(pszName));
    }
}

TEST(MsXmlLoad, AFolderAtThePathRaises998)
{
    const CTestFolder folder;
    ExpectLoadFails(folder.Path().wstring());
}

TEST(MsXmlLoad, ReadsTheEncodingTheFileDeclares)
{
    const auto pDocument = LoadDiagnosticsReport(Fixture("utf16-bom.xml"));
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/DisplayDevices/DisplayDevice", L"CardName"),
              L"Radeon\u2122 Grafik \u00C4");
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/SystemInformation", L"Memory"), L"16384MB RAM");
}

TEST(MsXmlLoad, EntitiesOfADocumentTypeAreNeverExpanded)
{
    // Refused, or loaded with the entities left as they are: never a billion laughs in memory.
    try
    {
        const auto pDocument = LoadDiagnosticsReport(Fixture("billion-laughs.xml"));
        EXPECT_LT(ChildTextOfFirst(*pDocument, L"DxDiag/SystemInformation", L"Memory").size(),
                  100u);
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, -998);
    }
}

std::string MemoryReport(const char* pszMemory)
{
    return std::string("<DxDiag><SystemInformation><Memory>") + pszMemory +
           "</Memory></SystemInformation></DxDiag>";
}

// MSXML's own load would take the name as a URL and read "lab pc.xml".
TEST(MsXmlLoad, AFileNameIsNeverDecodedAsAUrl)
{
    const CTestFolder folder;
    WriteTextFile(WideFile(folder, L"lab pc.xml"), MemoryReport("1111MB RAM"));
    WriteTextFile(WideFile(folder, L"lab%20pc.xml"), MemoryReport("2222MB RAM"));
    const auto pDocument = LoadDiagnosticsReport(WideFile(folder, L"lab%20pc.xml"));
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/SystemInformation", L"Memory"), L"2222MB RAM");
}

TEST(MsXmlLoad, ReadsAReportBeyondMaxPath)
{
    const CTestFolder folder;
    std::wstring strPath = L"\\\\?\\" + folder.Path().wstring();
    std::replace(strPath.begin(), strPath.end(), L'/', L'\\');
    for (int i = 0; i < 6; ++i)
    {
        strPath += L"\\" + std::wstring(60, static_cast<wchar_t>(L'a' + i));
        ASSERT_TRUE(CreateDirectoryW(strPath.c_str(), nullptr));
    }
    const std::wstring strReport = strPath + L"\\qdxd.xml";
    {
        const CFileHandle file(CreateFileW(strReport.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
        const std::string strXml = MemoryReport("3333MB RAM");
        DWORD nWritten = 0;
        ASSERT_TRUE(WriteFile(file.Get(), strXml.data(), static_cast<DWORD>(strXml.size()),
                              &nWritten, nullptr));
    }
    const std::wstring strPlain = strReport.substr(4); // without "\\?\\", over MAX_PATH
    ASSERT_GT(strPlain.size(), static_cast<std::size_t>(MAX_PATH));
    const auto pDocument = LoadDiagnosticsReport(strPlain);
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/SystemInformation", L"Memory"), L"3333MB RAM");
}

TEST(MsXmlLoad, OtherRootLoadsButMatchesNothing)
{
    const auto pDocument = LoadDiagnosticsReport(Fixture("other-root.xml"));
    const auto pList = pDocument->SelectNodes(L"DxDiag/SystemInformation");
    EXPECT_TRUE(pList == nullptr || pList->GetLength() == 0);
}

TEST_F(XmlText, DoubleSlashFindsDisksAtAnyDepthInDocumentOrder)
{
    const auto pDocument =
        Load("<DxDiag><LogicalDisk><DriveLetter>A:</DriveLetter></LogicalDisk>"
             "<X><Y><LogicalDisk><DriveLetter>B:</DriveLetter></LogicalDisk></Y></X>"
             "<LogicalDisks><LogicalDisk><DriveLetter>C:</DriveLetter>"
             "</LogicalDisk></LogicalDisks></DxDiag>");
    const auto pList = pDocument->SelectNodes(L"DxDiag//LogicalDisk");
    ASSERT_NE(pList, nullptr);
    ASSERT_EQ(pList->GetLength(), 3);
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_EQ(GetChildText(pList->GetItem(i).get(), L"DriveLetter"),
                  std::wstring(1, static_cast<wchar_t>(L'A' + i)) + L":");
    }
    EXPECT_EQ(pList->GetItem(3), nullptr);
}

TEST_F(XmlText, ChildTextIsTheFirstDirectChildsWholeText)
{
    const auto pDocument = Load("<DxDiag><SystemInformation><Deep><Memory>1MB RAM</Memory></Deep>"
                                "<Memory>2<b>048</b>MB RAM</Memory><Memory>9MB RAM</Memory>"
                                "<Empty/><Closed></Closed></SystemInformation></DxDiag>");
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/SystemInformation", L"Memory"), L"2048MB RAM");
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/SystemInformation", L"Empty"), L"");
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/SystemInformation", L"Closed"), L"");
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/SystemInformation", L"Missing"), L"");
    EXPECT_EQ(GetChildText(nullptr, L"Memory"), L"");
}

// MSXML drops the blanks around an element's text by default (pugixml keeps them: XmlReportTest),
// which the report's texts never carry.
TEST_F(XmlText, BlanksAroundATextAreDropped)
{
    const auto pDocument = Load("<DxDiag><LogicalDisk><DriveLetter> C: </DriveLetter>"
                                "</LogicalDisk></DxDiag>");
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag//LogicalDisk", L"DriveLetter"), L"C:");
}

TEST_F(XmlText, NamesMatchWithTheirCase)
{
    const auto pDocument = Load("<DxDiag><systeminformation/></DxDiag>");
    const auto pList = pDocument->SelectNodes(L"DxDiag/SystemInformation");
    EXPECT_TRUE(pList == nullptr || pList->GetLength() == 0);
}

TEST_F(XmlText, NotWellFormedTextsAreRefused)
{
    for (const char* pszText : {"<DxDiag><A></B></DxDiag>", "<DxDiag>", "<DxDiag/><DxDiag/>",
                                "<DxDiag/>trailing", "just text"})
    {
        SCOPED_TRACE(pszText);
        WriteTextFile(WideFile(m_folder, L"bad.xml"), pszText);
        ExpectLoadFails(WideFile(m_folder, L"bad.xml"));
    }
}
} // namespace

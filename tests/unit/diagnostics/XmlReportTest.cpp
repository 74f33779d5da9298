#include "diagnostics/XmlReport.h"

#include "diagnostics/FileExists.h"
#include "diagnostics/HardwareChecks.h"
#include "support/CZelSimpleException.h"
#include "support/TestFolder.h"
#include "support/XmlText.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace
{
const fs::path kReports = fs::path(RIGVET_FIXTURES_DIR) / "reports";

std::unique_ptr<IXmlDocument> LoadText(const std::string& strXml)
{
    return LoadXmlText(strXml);
}

std::int32_t LengthOf(const IXmlDocument& document, const wchar_t* pszQuery)
{
    const std::unique_ptr<IXmlNodeList> pList = document.SelectNodes(pszQuery);
    return pList ? pList->GetLength() : 0;
}

std::wstring ChildTextOfFirst(const IXmlDocument& document, const wchar_t* pszQuery,
                              const wchar_t* pszChild)
{
    const std::unique_ptr<IXmlNodeList> pList = document.SelectNodes(pszQuery);
    EXPECT_NE(pList, nullptr);
    EXPECT_GT(pList->GetLength(), 0);
    const std::unique_ptr<IXmlNode> pItem = pList->GetItem(0);
    return GetChildText(pItem.get(), pszChild);
}

void ExpectLoadFails(const fs::path& path)
{
    try
    {
        LoadDiagnosticsReport(path.wstring());
        ADD_FAILURE() << path << " loaded";
    }
    catch (const CZelSimpleException& exception)
    {
        EXPECT_EQ(exception.m_nCode, -998);
        EXPECT_EQ(exception.m_strMessage, L"Could not load the dxdiag XML file");
    }
}

class LoadFailureTest : public ::testing::TestWithParam<const char*>
{
};

TEST_P(LoadFailureTest, Raises998)
{
    ExpectLoadFails(kReports / GetParam());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, LoadFailureTest,
                         ::testing::Values("no-such-report.xml", "empty.xml", "truncated.xml"));

TEST(LoadDiagnosticsReport, RejectsTextsThatAreNotOneWellFormedDocument)
{
    const CTestFolder folder;
    for (const char* pszText :
         {"<DxDiag><A></B></DxDiag>", "<DxDiag>", "<DxDiag/><DxDiag/>", "<DxDiag/>trailing",
          "<DxDiag/>x", "<DxDiag/>\nx", "<DxDiag><![CDATA[x]]></DxDiag>z", "just text",
          "<DxDiag a=1/>", "\xEF\xBB\xBF"})
    {
        WriteTextFile(folder.Path() / "r.xml", pszText);
        SCOPED_TRACE(pszText);
        ExpectLoadFails(folder.Path() / "r.xml");
    }
}

TEST(LoadDiagnosticsReport, FolderAtThePathFails)
{
    const CTestFolder folder;
    ExpectLoadFails(folder.Path());
}

// A path the user names may be a link; the work folder's report is never one
// (WorkFolderLinuxTest).
TEST(LoadDiagnosticsReport, AUserPathThroughALinkIsRead)
{
    const CTestFolder folder;
    fs::create_symlink(kReports / "typical.xml", folder.Path() / "report.xml");
    EXPECT_NO_THROW(LoadDiagnosticsReport((folder.Path() / "report.xml").wstring()));
}

TEST(LoadDiagnosticsReport, PipeAtThePathDoesNotBlock)
{
    const CTestFolder folder;
    ASSERT_EQ(mkfifo((folder.Path() / "qdxd.xml").c_str(), 0600), 0);
    ExpectLoadFails(folder.Path() / "qdxd.xml");
}

TEST(LoadDiagnosticsReport, AReportOverTheLimitFailsUnread)
{
    const CTestFolder folder;
    const fs::path report = folder.Path() / "qdxd.xml";
    WriteTextFile(report, "<DxDiag/>");
    // Holes take no room and read as zero bytes; the size alone refuses it.
    fs::resize_file(report, kMaxReportBytes + 1);
    ExpectLoadFails(report);
}

TEST(LoadDiagnosticsReport, ReadsUtf8Report)
{
    const auto pDocument = LoadDiagnosticsReport((kReports / "typical.xml").wstring());
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/DisplayDevices/DisplayDevice", L"CardName"),
              L"NVIDIA GeForce RTX 3060");
}

TEST(LoadDiagnosticsReport, ReadsUtf16ReportWithByteOrderMark)
{
    const auto pDocument = LoadDiagnosticsReport((kReports / "utf16-bom.xml").wstring());
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/DisplayDevices/DisplayDevice", L"CardName"),
              L"Radeon\u2122 Grafik \u00C4");
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/SystemInformation", L"Memory"), L"16384MB RAM");
}

TEST(LoadDiagnosticsReport, AnEntityBombIsRefused)
{
    ExpectLoadFails(kReports / "billion-laughs.xml");
}

TEST(LoadDiagnosticsReport, OtherRootLoadsButMatchesNothing)
{
    const auto pDocument = LoadDiagnosticsReport((kReports / "other-root.xml").wstring());
    EXPECT_EQ(LengthOf(*pDocument, L"DxDiag/SystemInformation"), 0);
    EXPECT_EQ(LengthOf(*pDocument, L"DxDiag//LogicalDisk"), 0);
}

TEST(FileExists, SeesFilesFoldersAndLinksThemselves)
{
    const CTestFolder folder;
    WriteTextFile(folder.Path() / "file", "x");
    fs::create_symlink(folder.Path() / "missing", folder.Path() / "dangling");
    EXPECT_TRUE(FileExists((folder.Path() / "file").wstring().c_str()));
    EXPECT_TRUE(FileExists(folder.Path().wstring().c_str()));
    EXPECT_TRUE(FileExists((folder.Path() / "dangling").wstring().c_str()));
    EXPECT_FALSE(FileExists((folder.Path() / "missing").wstring().c_str()));
    EXPECT_FALSE(FileExists(nullptr));
    EXPECT_FALSE(FileExists(L""));
}

TEST(SelectNodes, DoubleSlashFindsDisksAtAnyDepthInDocumentOrder)
{
    const auto pDocument =
        LoadText("<DxDiag><LogicalDisk><DriveLetter>A:</DriveLetter></LogicalDisk>"
                 "<X><Y><LogicalDisk><DriveLetter>B:</DriveLetter></LogicalDisk></Y></X>"
                 "<LogicalDisks><LogicalDisk><DriveLetter>C:</DriveLetter>"
                 "</LogicalDisk></LogicalDisks></DxDiag>");
    ASSERT_NE(pDocument, nullptr);
    const auto pList = pDocument->SelectNodes(L"DxDiag//LogicalDisk");
    ASSERT_NE(pList, nullptr);
    ASSERT_EQ(pList->GetLength(), 3);
    const wchar_t* apExpected[] = {L"A:", L"B:", L"C:"};
    for (std::int32_t i = 0; i < 3; ++i)
    {
        const auto pItem = pList->GetItem(i);
        EXPECT_EQ(GetChildText(pItem.get(), L"DriveLetter"), apExpected[i]);
    }
    EXPECT_EQ(pList->GetItem(3), nullptr);
    EXPECT_EQ(pList->GetItem(-1), nullptr);
}

TEST(SelectNodes, NamesMatchExactlyAndFromTheRoot)
{
    const auto pDocument = LoadText("<DxDiag><systeminformation/><SystemInformation/>"
                                    "<A><SystemInformation/></A></DxDiag>");
    ASSERT_NE(pDocument, nullptr);
    EXPECT_EQ(LengthOf(*pDocument, L"DxDiag/SystemInformation"), 1);
    EXPECT_EQ(LengthOf(*pDocument, L"SystemInformation"), 0);
    EXPECT_EQ(LengthOf(*pDocument, L"DxDiag/Missing/Thing"), 0);
    EXPECT_EQ(pDocument->SelectNodes(L"DxDiag/[bad"), nullptr);
}

struct SChildTextCase
{
    const char* pszName;
    const char* pszElement; // the DxDiag/Item element
    const wchar_t* pszChild;
    const wchar_t* pszExpected;
};

class GetChildTextTest : public ::testing::TestWithParam<SChildTextCase>
{
};

TEST_P(GetChildTextTest, ReadsTheFirstChildElementWhole)
{
    const auto pDocument = LoadText(std::string("<DxDiag>") + GetParam().pszElement + "</DxDiag>");
    ASSERT_NE(pDocument, nullptr);
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/Item", GetParam().pszChild),
              GetParam().pszExpected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetChildTextTest,
    ::testing::Values(
        SChildTextCase{"Plain", "<Item><Memory>8192MB RAM</Memory></Item>", L"Memory",
                       L"8192MB RAM"},
        SChildTextCase{"FirstOfTwo", "<Item><N>first</N><N>second</N></Item>", L"N", L"first"},
        SChildTextCase{"DeeperDescendantIgnored", "<Item><Sub><Memory>9</Memory></Sub></Item>",
                       L"Memory", L""},
        SChildTextCase{"EmptyWithClosingTag", "<Item><Memory></Memory></Item>", L"Memory", L""},
        SChildTextCase{"EmptySelfClosing", "<Item><Memory/></Item>", L"Memory", L""},
        SChildTextCase{"Missing", "<Item><Other>1</Other></Item>", L"Memory", L""},
        SChildTextCase{"CaseMatters", "<Item><memory>1</memory></Item>", L"Memory", L""},
        SChildTextCase{"DescendantsConcatenated",
                       "<Item><N>a<b>b<c>c</c></b><!--x-->d<![CDATA[<e>]]></N></Item>", L"N",
                       L"abcd<e>"},
        SChildTextCase{"ProcessingInstructionIsNoElement", "<Item><?N pi?><N>el</N></Item>", L"N",
                       L"el"},
        SChildTextCase{"Escapes", "<Item><N>A&amp;B &#x263A;</N></Item>", L"N", L"A&B \u263A"}),
    [](const ::testing::TestParamInfo<SChildTextCase>& info) { return info.param.pszName; });

TEST(GetChildText, NullNodeGivesEmptyText)
{
    EXPECT_EQ(GetChildText(nullptr, L"Memory"), L"");
}

TEST(GetChildText, DeepNestingDoesNotExhaustTheStack)
{
    constexpr int nDepth = 200000;
    std::string strXml = "<DxDiag><Item><N>";
    for (int i = 0; i < nDepth; ++i)
    {
        strXml += "<d>";
    }
    strXml += "x";
    for (int i = 0; i < nDepth; ++i)
    {
        strXml += "</d>";
    }
    strXml += "</N></Item></DxDiag>";
    const auto pDocument = LoadText(strXml);
    ASSERT_NE(pDocument, nullptr);
    EXPECT_EQ(ChildTextOfFirst(*pDocument, L"DxDiag/Item", L"N"), L"x");
}
} // namespace

// Blanks around an element's text are no part of it, as MSXML reads it (XmlDocumentWin32Test).
TEST(ReadSystemDriveFreeSpace, DriveLetterWithABlankMatches)
{
    TestResults results;
    const auto pDocument = LoadXmlText("<DxDiag><LogicalDisk><DriveLetter> C:</DriveLetter>"
                                       "<FreeSpace>6000000</FreeSpace></LogicalDisk></DxDiag>");
    ASSERT_NE(pDocument, nullptr);
    ReadSystemDriveFreeSpace(*pDocument, L"C:\\", results);
    EXPECT_EQ(results.m_nFreeDiskMB, 6u);
}

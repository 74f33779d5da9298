#include "support/XmlText.h"

#include "support/TestFolder.h"

std::unique_ptr<IXmlReportDocument> LoadXmlText(const std::string& strXml)
{
    const CTestFolder folder;
    const std::filesystem::path path = folder.Path() / "report.xml";
    WriteTextFile(path, strXml);
    std::unique_ptr<IXmlReportDocument> pDocument = CreateXmlDocument();
    if (!pDocument || !pDocument->Load(path.wstring()))
    {
        return nullptr;
    }
    return pDocument;
}

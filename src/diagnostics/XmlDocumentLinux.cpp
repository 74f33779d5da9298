#include "diagnostics/CPugiXmlDocument.h"
#include "diagnostics/XmlReport.h"
#include "support/RegularFile.h"
#include "support/TextConvert.h"

std::unique_ptr<CPugiXmlDocument> CreateXmlDocument()
{
    return std::make_unique<CPugiXmlDocument>();
}

std::unique_ptr<IXmlDocument> LoadXmlDocument(const std::wstring& strPath)
{
    // A symbolic link planted at the report's path is refused rather than followed.
    std::optional<std::vector<char>> aContent = ReadRegularFile(WideToUtf8(strPath), false);
    std::unique_ptr<CPugiXmlDocument> pDocument = CreateXmlDocument();
    if (!aContent || !pDocument->LoadContent(std::move(*aContent)))
    {
        return nullptr;
    }
    return pDocument;
}

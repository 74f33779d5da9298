#include "diagnostics/XmlReport.h"

#include "support/CZelSimpleException.h"

namespace
{
constexpr std::int32_t kReportLoadFailedCode = -998;
constexpr const wchar_t* kReportLoadFailedText = L"Could not load the dxdiag XML file";
} // namespace

std::unique_ptr<CPugiXmlDocument> CreateXmlDocument()
{
    return std::make_unique<CPugiXmlDocument>();
}

std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring& strReportPath)
{
    std::unique_ptr<CPugiXmlDocument> pDocument = CreateXmlDocument();
    bool bLoaded = false;
    if (FileExists(strReportPath.c_str()))
    {
        std::optional<std::vector<char>> aContent = ReadReportFile(strReportPath);
        bLoaded = aContent && pDocument->LoadContent(std::move(*aContent));
    }
    if (!bLoaded)
    {
        throw CZelSimpleException(kReportLoadFailedCode, kReportLoadFailedText);
    }
    return pDocument;
}

#include "diagnostics/XmlReport.h"

#include "diagnostics/FileExists.h"
#include "diagnostics/XmlDocument.h"
#include "support/CZelSimpleException.h"

namespace
{
constexpr std::int32_t kReportLoadFailedCode = -998;
constexpr const wchar_t* kReportLoadFailedText = L"Could not load the dxdiag XML file";
} // namespace

std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring& strReportPath)
{
    std::unique_ptr<IXmlReportDocument> pDocument = CreateXmlDocument();
    const bool bLoaded =
        pDocument && FileExists(strReportPath.c_str()) && pDocument->Load(strReportPath);
    if (!bLoaded)
    {
        throw CZelSimpleException(kReportLoadFailedCode, kReportLoadFailedText);
    }
    return pDocument;
}

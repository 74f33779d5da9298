#include "diagnostics/XmlReport.h"

#include "support/CZelSimpleException.h"

namespace
{
constexpr std::int32_t kReportLoadFailedCode = -998;
constexpr const wchar_t* kReportLoadFailedText = L"Could not load the dxdiag XML file";
} // namespace

std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring& strReportPath)
{
    std::unique_ptr<IXmlDocument> pDocument;
    if (FileExists(strReportPath.c_str()))
    {
        pDocument = LoadXmlDocument(strReportPath);
    }
    if (pDocument == nullptr)
    {
        throw CZelSimpleException(kReportLoadFailedCode, kReportLoadFailedText);
    }
    return pDocument;
}

#include "diagnostics/XmlReport.h"

#include "diagnostics/FileExists.h"
#include "diagnostics/XmlDocument.h"
#include "support/CZelSimpleException.h"
#include "support/FileReadError.h"

namespace
{
constexpr std::int32_t kReportLoadFailedCode = -998;
constexpr const wchar_t* kReportLoadFailedText = L"Could not load the dxdiag XML file";
} // namespace

std::unique_ptr<IXmlDocument> LoadDiagnosticsReport(const std::wstring& strReportPath)
{
    std::unique_ptr<IXmlReportDocument> pDocument = CreateXmlDocument();
    const bool bExists = pDocument && FileExists(strReportPath.c_str());
    return LoadReportInto(std::move(pDocument), strReportPath, bExists);
}

std::unique_ptr<IXmlDocument> LoadReportInto(std::unique_ptr<IXmlReportDocument> pDocument,
                                             const std::wstring& strReportPath, bool bExists)
{
    if (!pDocument)
    {
        throw CZelSimpleException(kReportLoadFailedCode, kReportLoadFailedText,
                                  L"the XML parser could not be created");
    }
    if (!bExists)
    {
        throw CZelSimpleException(kReportLoadFailedCode, kReportLoadFailedText,
                                  DescribeFileReadError(EFileReadError::NotFound));
    }
    if (!pDocument->Load(strReportPath))
    {
        throw CZelSimpleException(kReportLoadFailedCode, kReportLoadFailedText,
                                  pDocument->GetLoadError());
    }
    return pDocument;
}

#include "ui/cli/SavedReportJudgement.h"

#include "diagnostics/HardwareChecks.h"
#include "diagnostics/XmlReport.h"
#include "run/OperatingSystemClass.h"
#include "run/RequirementResults.h"
#include "support/CZelSimpleException.h"
#include "support/LoadResourceString.h"
#include "support/StringIds.h"
#include "support/TextConvert.h"
#include "ui/cli/SystemIdentityResult.h"

#include <cwctype>
#include <exception>

namespace
{
// The code of a failure that is not one of the program's own, as in a live run.
constexpr std::int32_t kUnexpectedErrorCode = -1;

std::wstring ReadSystemText(const IXmlDocument& document, const wchar_t* pszName)
{
    const std::unique_ptr<IXmlNodeList> pList = document.SelectNodes(L"DxDiag/SystemInformation");
    if (pList == nullptr || pList->GetLength() == 0)
    {
        return std::wstring();
    }
    const std::unique_ptr<IXmlNode> pItem = pList->GetItem(0);
    return GetChildText(pItem.get(), pszName);
}

bool ListsDrive(const IXmlDocument& document, const std::wstring& strDriveRoot)
{
    const std::unique_ptr<IXmlNodeList> pList = document.SelectNodes(L"DxDiag//LogicalDisk");
    const std::int32_t nLength = pList != nullptr ? pList->GetLength() : 0;
    for (std::int32_t i = 0; i < nLength; ++i)
    {
        const std::unique_ptr<IXmlNode> pItem = pList->GetItem(i);
        if (pItem != nullptr && GetChildText(pItem.get(), L"DriveLetter") + L"\\" == strDriveRoot)
        {
            return true;
        }
    }
    return false;
}

std::wstring ChooseDriveRoot(ESystemClass systemClass, const SReportJudgeSettings& settings)
{
    if (settings.strDriveRoot)
    {
        return *settings.strDriveRoot;
    }
    if (systemClass == ESystemClass::Linux)
    {
        return settings.GetLiveDriveRoot ? settings.GetLiveDriveRoot() : std::wstring();
    }
    return kWindowsSystemDriveRoot;
}

void JudgeDocument(const IXmlDocument& document, const SReportJudgeSettings& settings,
                   SQualificationResult& result)
{
    SReportSource& source = *result.report;
    source.strOperatingSystem = ReadSystemText(document, L"OperatingSystem");
    source.strMachineName = ReadSystemText(document, L"MachineName");
    const ESystemClass systemClass = ClassifyOperatingSystem(source.strOperatingSystem);
    source.systemClass = systemClass;
    if (systemClass == ESystemClass::OlderThanWindows7Sp1)
    {
        result.system = ReadSystemIdentity(document);
        result.outcome = EResultOutcome::Refused;
        result.stop = ERunStop::OldSystem;
        result.strStopMessage = LoadResourceString(IDS_OS_TEXT);
        return;
    }
    source.strDriveRoot = ChooseDriveRoot(systemClass, settings);
    TestResults results;
    if (EvaluateHardwareReport(document, results, source.strDriveRoot))
    {
        result.aWarnings.push_back({L"virtualization", LoadResourceString(IDS_VIRTUAL_TEXT)});
    }
    result.aRequirements = DescribeReport(
        {results, systemClass, ListsDrive(document, source.strDriveRoot), source.strDriveRoot});
    AttachSystemIdentity(result, ReadSystemIdentity(document));
}
} // namespace

SQualificationResult JudgeSavedReport(const std::wstring& strPath,
                                      const SReportJudgeSettings& settings)
{
    SQualificationResult result;
    result.report = SReportSource{};
    result.report->strPath = strPath;
    std::optional<SRunError> error;
    try
    {
        const std::unique_ptr<IXmlDocument> pDocument = LoadDiagnosticsReport(strPath);
        JudgeDocument(*pDocument, settings, result);
    }
    catch (const CZelSimpleException& exception)
    {
        error = SRunError{exception.m_nCode, exception.m_strMessage, exception.m_strDetail};
    }
    catch (const std::exception& exception)
    {
        error =
            SRunError{kUnexpectedErrorCode,
                      L"An unexpected error stopped the judgement: " + Utf8ToWide(exception.what()),
                      {}};
    }
    if (error)
    {
        // Nothing half-judged is kept: the file's row says only what went wrong.
        result = SQualificationResult{};
        result.outcome = EResultOutcome::Error;
        result.error = std::move(error);
        result.report = SReportSource{};
        result.report->strPath = strPath;
    }
    return result;
}

std::wstring FindLiveDriveRoot(IQualificationSteps& steps)
{
    return steps.GetReportDriveRoot();
}

std::wstring NormalizeDriveRoot(std::wstring strRoot)
{
    const bool bDriveLetter =
        strRoot.size() >= 2 && strRoot[1] == L':' &&
        ((strRoot[0] >= L'a' && strRoot[0] <= L'z') || (strRoot[0] >= L'A' && strRoot[0] <= L'Z'));
    if (bDriveLetter && strRoot.find_first_not_of(L"\\/", 2) == std::wstring::npos)
    {
        return std::wstring(1, static_cast<wchar_t>(std::towupper(strRoot[0]))) + L":\\";
    }
    while (strRoot.size() > 1 && (strRoot.back() == L'/' || strRoot.back() == L'\\'))
    {
        strRoot.pop_back();
    }
    if (strRoot.empty() || strRoot.back() != L'\\')
    {
        strRoot += L'\\';
    }
    return strRoot;
}

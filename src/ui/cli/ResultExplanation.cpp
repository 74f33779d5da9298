#include "ui/cli/ResultExplanation.h"

#include "run/CRigvetDlg.h"
#include "run/IQualificationSteps.h"
#include "support/CFileVersion.h"
#include "support/TextConvert.h"
#include "ui/cli/LiveRunResult.h"
#include "ui/cli/MachineName.h"
#include "ui/cli/ResultJson.h"
#include "ui/cli/ResultText.h"

#include <algorithm>
#include <cwctype>
#include <nlohmann/json.hpp>
#include <string_view>
#include <vector>

namespace
{
// "A", "A and B", "A, B and C".
std::wstring JoinNames(const std::vector<std::wstring>& aNames)
{
    std::wstring strText;
    for (std::size_t i = 0; i < aNames.size(); ++i)
    {
        if (i > 0)
        {
            strText += i + 1 == aNames.size() ? L" and " : L", ";
        }
        strText += aNames[i];
    }
    return strText;
}

// More names than this would not fit the one line under the results; they are counted instead.
constexpr std::size_t kMaxSummaryNames = 3;

// The names, or "four requirements" when the summary names too many.
std::wstring DescribeGroup(const std::vector<std::wstring>& aNames, bool bCount)
{
    constexpr const wchar_t* kCountWords[] = {L"no",   L"one",  L"two", L"three",
                                              L"four", L"five", L"six"};
    if (!bCount || aNames.size() >= std::size(kCountWords))
    {
        return JoinNames(aNames);
    }
    return std::wstring(kCountWords[aNames.size()]) +
           (aNames.size() == 1 ? L" requirement" : L" requirements");
}

std::vector<std::wstring> ListNames(const SQualificationResult& result, EVerdict verdict)
{
    std::vector<std::wstring> aNames;
    for (const SRequirementResult& row : result.aRequirements)
    {
        if (row.verdict == verdict)
        {
            aNames.emplace_back(GetRequirementName(row.requirement));
        }
    }
    return aNames;
}

// The console's JSON, named after the program that wrote it.
std::string FormatDialogJson(const SQualificationResult& result, const SResultContext& context)
{
    nlohmann::ordered_json json = nlohmann::ordered_json::parse(FormatResultJson(result, context));
    json["program"]["name"] = "rigvet";
    return json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}
} // namespace

std::wstring GetRequirementAdvice(ERequirement requirement, EVerdict verdict,
                                  EAdvicePlatform platform)
{
    if (verdict == EVerdict::Pass)
    {
        return std::wstring();
    }
    const SRequirementAdvice& advice = GetRequirementDescriptor(requirement).advice;
    const bool bFail = verdict == EVerdict::Fail;
    const wchar_t* pszWindows = bFail ? advice.pszFailWindows : advice.pszUnknownWindows;
    const wchar_t* pszLinux = bFail ? advice.pszFailLinux : advice.pszUnknownLinux;
    return platform == EAdvicePlatform::Linux && pszLinux != nullptr ? pszLinux : pszWindows;
}

std::wstring FormatRowExplanation(const SRequirementResult& row, EAdvicePlatform platform)
{
    std::wstring strText = std::wstring(GetRequirementName(row.requirement)) + L": " +
                           std::wstring(GetVerdictWord(row.verdict));
    // A reason that already begins with the value ("not compared: ...") stands for both.
    const bool bValueInReason =
        !row.strValueText.empty() && row.strReason.starts_with(row.strValueText);
    std::wstring strDetail = bValueInReason ? std::wstring() : row.strValueText;
    if (!row.strReason.empty())
    {
        strDetail += (strDetail.empty() ? L"" : L"; ") + row.strReason;
    }
    if (!strDetail.empty())
    {
        strText += L" - " + strDetail;
    }
    strText += L".";
    const std::wstring strAdvice = GetRequirementAdvice(row.requirement, row.verdict, platform);
    if (!strAdvice.empty())
    {
        strText += L" " + strAdvice;
    }
    return strText;
}

std::wstring FormatResultSummary(const SQualificationResult& result)
{
    if (result.aRequirements.empty())
    {
        return std::wstring();
    }
    const std::vector<std::wstring> aFailed = ListNames(result, EVerdict::Fail);
    const std::vector<std::wstring> aUnknown = ListNames(result, EVerdict::Unknown);
    const bool bCount = aFailed.size() + aUnknown.size() > kMaxSummaryNames;
    const std::wstring strUnknown = DescribeGroup(aUnknown, bCount) + L" could not be checked.";
    if (!aFailed.empty())
    {
        return L"Not ready: " + DescribeGroup(aFailed, bCount) +
               (aUnknown.empty() ? L" failed." : L" failed; " + strUnknown);
    }
    if (!aUnknown.empty())
    {
        return L"Not determined: " + strUnknown;
    }
    return L"Ready: all " + DescribeGroup(ListNames(result, EVerdict::Pass), true) + L" passed.";
}

std::string FormatResultCopyText(const SQualificationResult& result, const SResultContext& context)
{
    std::string strText = "Rigvet ";
    strText += WideToUtf8(context.strProgramVersion);
    strText += "\nMachine: ";
    strText += WideToUtf8(context.strMachineName);
    strText += "\nTime (UTC): ";
    strText += WideToUtf8(context.strTime);
    strText += "\n\n";
    strText += FormatReportText(result, false);
    return strText;
}

bool IsJsonFileName(const std::wstring& strFileName)
{
    constexpr std::wstring_view kExtension = L".json";
    if (strFileName.size() < kExtension.size())
    {
        return false;
    }
    return std::equal(kExtension.begin(), kExtension.end(),
                      strFileName.end() - static_cast<std::ptrdiff_t>(kExtension.size()),
                      [](wchar_t chWanted, wchar_t chGiven)
                      { return chWanted == static_cast<wchar_t>(std::towlower(chGiven)); });
}

std::string FormatSavedResult(const SQualificationResult& result, const SResultContext& context,
                              const std::wstring& strFileName)
{
    return IsJsonFileName(strFileName) ? FormatDialogJson(result, context)
                                       : FormatResultCopyText(result, context);
}

std::string FormatDialogResult(const CRigvetDlg& controller, IQualificationSteps& steps,
                               const std::wstring& strModulePath,
                               const std::wstring& strFinishedTime, const std::wstring& strFileName)
{
    CFileVersion version;
    version.Read(strModulePath.empty() ? nullptr : strModulePath.c_str(), false);
    const SResultContext context{strFinishedTime, GetMachineName(), version.ToString()};
    return FormatSavedResult(DescribeLiveResult(controller, IsSystemAtLeast(steps, kWindows8)),
                             context, strFileName);
}

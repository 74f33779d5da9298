#include "ui/cli/ResultExplanation.h"

#include "run/IQualificationSteps.h"
#include "support/CFileVersion.h"
#include "support/TextConvert.h"
#include "run/CRigvetDlg.h"
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
struct SAdvice
{
    ERequirement requirement;
    EVerdict verdict;
    const wchar_t* pszWindows;
    const wchar_t* pszLinux; // null: the Windows wording fits Linux too
};

// A value that the diagnostics report should have given.
constexpr const wchar_t* kReportAdviceWindows =
    L"Check that dxdiag runs on this PC and close other programs, then run the test again.";
constexpr const wchar_t* kReportAdviceLinux =
    L"Check that rigvet-dxdiag is installed with rigvet, then run the test again.";

constexpr SAdvice kAdvice[] = {
    {ERequirement::Display, EVerdict::Fail,
     L"Install the graphics card's current driver, or use a PC whose graphics card supports "
     L"feature level 11.0, then run the test again.",
     L"Install the graphics driver of the card (Mesa or the maker's), or use a PC whose graphics "
     L"card supports feature level 11.0, then run the test again."},
    {ERequirement::Display, EVerdict::Unknown, kReportAdviceWindows, kReportAdviceLinux},
    {ERequirement::Sound, EVerdict::Fail,
     L"Connect or enable a sound device (Sound in the Control Panel), then run the test again.",
     L"Connect a sound device and check that the system lists it (aplay -l), then run the test "
     L"again."},
    {ERequirement::Sound, EVerdict::Unknown, kReportAdviceWindows, kReportAdviceLinux},
    {ERequirement::Updates, EVerdict::Fail,
     L"Install the missing updates through Windows Update, restart, then run the test again.",
     L"Add the missing updates to the list that RIGVET_UPDATES_FILE names, then run the test "
     L"again."},
    {ERequirement::Updates, EVerdict::Unknown,
     L"Check that the Windows Update service can start, then run the test again.",
     L"Check that the file RIGVET_UPDATES_FILE names can be read, then run the test again."},
    {ERequirement::Memory, EVerdict::Fail,
     L"Add memory (4 GB or more in all) or use a PC that has it, then run the test again.",
     nullptr},
    {ERequirement::Memory, EVerdict::Unknown, kReportAdviceWindows, kReportAdviceLinux},
    {ERequirement::FreeDisk, EVerdict::Fail, L"Free some space, then run the test again.",
     L"Free some space on the disk of the home folder, then run the test again."},
    {ERequirement::FreeDisk, EVerdict::Unknown, kReportAdviceWindows, kReportAdviceLinux},
    {ERequirement::Clock, EVerdict::Fail,
     L"Let Windows set the time automatically (Date and time settings), then run the test "
     L"again.",
     L"Turn on time synchronisation (timedatectl set-ntp true), then run the test again."},
    {ERequirement::Clock, EVerdict::Unknown,
     L"Answer Yes to the internet question and check that this PC reaches the internet, then "
     L"run the test again.",
     nullptr},
};

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
    for (const SAdvice& advice : kAdvice)
    {
        if (advice.requirement == requirement && advice.verdict == verdict)
        {
            return platform == EAdvicePlatform::Linux && advice.pszLinux != nullptr
                       ? advice.pszLinux
                       : advice.pszWindows;
        }
    }
    return std::wstring();
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
    return L"Ready: all six requirements passed.";
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

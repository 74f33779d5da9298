#include "ui/cli/RequirementResults.h"

#include "run/RequiredUpdates.h"
#include "support/TextSplit.h"
#include "ui/cli/JudgedValueText.h"
#include "ui/cli/OperatingSystemClass.h"
#include "updates/ListItems.h"

#include <algorithm>
#include <charconv>

namespace
{
constexpr const wchar_t* kNoWindowsVersion = L"the report names no usable Windows version";

SRequirementResult MakeRow(ERequirement requirement, EVerdict verdict, std::wstring strValueText)
{
    SRequirementResult row;
    row.requirement = requirement;
    row.verdict = verdict;
    row.strValueText = std::move(strValueText);
    return row;
}

SJudgedValue MakeInteger(std::int64_t llInteger, std::wstring strUnit)
{
    SJudgedValue value;
    value.kind = SJudgedValue::EKind::Integer;
    value.llInteger = llInteger;
    value.strUnit = std::move(strUnit);
    return value;
}

// The level as the decimal number it was read as (12.1, not 12.100000381).
double ToDecimal(float fLevel)
{
    const std::wstring strWide = FormatFeatureLevelNumber(fLevel);
    const std::string strText(strWide.begin(), strWide.end());
    double fValue = 0.0;
    std::from_chars(strText.data(), strText.data() + strText.size(), fValue);
    return fValue;
}

std::wstring GetDriveName(const std::wstring& strDriveRoot)
{
    return !strDriveRoot.empty() && strDriveRoot.back() == L'\\'
               ? strDriveRoot.substr(0, strDriveRoot.size() - 1)
               : strDriveRoot;
}

SRequirementResult DescribeDisplay(const TestResults& results, EVerdict verdict)
{
    SRequirementResult row = MakeRow(ERequirement::Display, verdict,
                                     FormatJudgedValue(ERequirement::Display, results, verdict));
    row.value.kind = SJudgedValue::EKind::Decimal;
    row.value.fDecimal = ToDecimal(results.m_fFeatureLevel);
    row.value.strUnit = L"feature level";
    if (verdict == EVerdict::Fail)
    {
        row.strReason =
            L"Windows 8 or later needs a display adapter of feature level 11.0 or higher";
    }
    else if (verdict == EVerdict::Unknown)
    {
        row.strReason = std::wstring(kNoWindowsVersion) + L", so the display rule is unknown";
    }
    return row;
}

SRequirementResult DescribeSound(const TestResults& results, EVerdict verdict)
{
    SRequirementResult row = MakeRow(ERequirement::Sound, verdict,
                                     FormatJudgedValue(ERequirement::Sound, results, verdict));
    row.value.kind = SJudgedValue::EKind::Boolean;
    row.value.bValue = results.m_bSoundDevice;
    if (verdict != EVerdict::Pass)
    {
        row.strReason = L"no sound device is listed; experiments with audio need one";
    }
    return row;
}

SRequirementResult DescribeMemory(const TestResults& results, EVerdict verdict)
{
    SRequirementResult row = MakeRow(ERequirement::Memory, verdict,
                                     FormatJudgedValue(ERequirement::Memory, results, verdict));
    row.value = MakeInteger(results.m_nMemoryMB, L"MB");
    if (verdict != EVerdict::Pass)
    {
        row.strReason = L"4095 MB of memory or more is needed";
    }
    return row;
}

SRequirementResult DescribeFreeDisk(const TestResults& results, EVerdict verdict)
{
    SRequirementResult row = MakeRow(ERequirement::FreeDisk, verdict,
                                     FormatJudgedValue(ERequirement::FreeDisk, results, verdict));
    row.value = MakeInteger(results.m_nFreeDiskMB, L"MB");
    if (verdict != EVerdict::Pass)
    {
        row.strReason = L"1024 MB (of 1,000,000 bytes) or more must be free on the system drive";
    }
    return row;
}

SRequirementResult DescribeClockUnknown(std::wstring strReason)
{
    SRequirementResult row = MakeRow(ERequirement::Clock, EVerdict::Unknown, L"not compared");
    row.strReason = std::move(strReason);
    return row;
}

std::wstring GetClockUnknownReason(const SRunFacts& facts)
{
    if (facts.nClockFailureCode == 10002)
    {
        return L"not compared: the internet time server could not be reached";
    }
    if (facts.nClockFailureCode == 10003)
    {
        return L"not compared: the Windows updates test failed";
    }
    if (facts.endingError)
    {
        return L"not compared: the test stopped before the clock step";
    }
    return L"not compared: no consent to use the internet";
}

SRequirementResult DescribeLiveClock(const SLiveRunBasis& basis)
{
    const EVerdict verdict = GetVerdict(ERequirement::Clock, basis.results, basis.bInternetConsent,
                                        basis.bWindows8OrLater);
    if (verdict == EVerdict::Unknown)
    {
        return DescribeClockUnknown(GetClockUnknownReason(basis.facts));
    }
    SRequirementResult row =
        MakeRow(ERequirement::Clock, verdict,
                FormatJudgedValue(ERequirement::Clock, basis.results, verdict));
    row.value = MakeInteger(basis.results.m_llClockDelta, L"s");
    if (verdict == EVerdict::Fail)
    {
        row.strReason = L"the clock must be within 59 s of internet time";
    }
    return row;
}

SRequirementResult DescribeLiveUpdates(const SLiveRunBasis& basis)
{
    const EVerdict verdict = GetVerdict(ERequirement::Updates, basis.results,
                                        basis.bInternetConsent, basis.bWindows8OrLater);
    if (basis.bWindows8OrLater || !basis.facts.strUpdatesFound)
    {
        SRequirementResult row =
            MakeRow(ERequirement::Updates, verdict,
                    FormatJudgedValue(ERequirement::Updates, basis.results, verdict));
        if (verdict == EVerdict::Fail)
        {
            row.strReason = L"the test stopped before the update search";
        }
        return row;
    }
    const std::vector<std::wstring> aFound = FindRequiredArticles(*basis.facts.strUpdatesFound);
    SRequirementResult row =
        MakeRow(ERequirement::Updates, verdict, FormatUpdatesFound(GetRequiredArticles(), aFound));
    row.value.kind = SJudgedValue::EKind::Articles;
    row.value.aArticles = aFound;
    row.value.strUnit = L"KB articles";
    if (verdict == EVerdict::Fail)
    {
        row.strReason = std::wstring(L"Windows 7 SP1 needs the updates ") + kRequiredUpdates;
    }
    return row;
}

SRequirementResult DescribeReportUpdates(ESystemClass systemClass)
{
    if (UsesWindows8Rules(systemClass))
    {
        return MakeRow(ERequirement::Updates, EVerdict::Pass, L"not needed on Windows 8 or later");
    }
    SRequirementResult row =
        MakeRow(ERequirement::Updates, EVerdict::Unknown, L"not in a saved report");
    row.strReason = systemClass == ESystemClass::Windows7
                        ? L"a saved report does not list the installed updates"
                        : kNoWindowsVersion;
    return row;
}
// A value the run never read is no measurement: verdict and value stay as the dialog shows them
// (the record's zero), and the reason says why.
void MarkUnmeasured(SRequirementResult& row)
{
    row.strReason = L"not measured: the test stopped before the diagnostics report was read";
}

bool IsReadFromReport(ERequirement requirement)
{
    return requirement == ERequirement::Display || requirement == ERequirement::Sound ||
           requirement == ERequirement::Memory || requirement == ERequirement::FreeDisk;
}
} // namespace

std::vector<std::wstring> GetRequiredArticles()
{
    std::vector<std::wstring> aArticles;
    for (const std::wstring_view strItem : SplitFields(kRequiredUpdates, L','))
    {
        aArticles.emplace_back(TrimListItem(strItem));
    }
    return aArticles;
}

std::vector<std::wstring> FindRequiredArticles(const std::wstring& strFound)
{
    const std::vector<std::wstring_view> aIds = SplitFields(strFound, L',');
    std::vector<std::wstring> aFound;
    for (const std::wstring& strArticle : GetRequiredArticles())
    {
        if (std::find(aIds.begin(), aIds.end(), strArticle) != aIds.end())
        {
            aFound.push_back(strArticle);
        }
    }
    return aFound;
}

std::vector<SRequirementResult> DescribeLiveRun(const SLiveRunBasis& basis)
{
    std::vector<SRequirementResult> aRows;
    for (const ERequirement requirement : g_aRequirements)
    {
        const EVerdict verdict =
            GetVerdict(requirement, basis.results, basis.bInternetConsent, basis.bWindows8OrLater);
        switch (requirement)
        {
        case ERequirement::Display:
            aRows.push_back(DescribeDisplay(basis.results, verdict));
            break;
        case ERequirement::Sound:
            aRows.push_back(DescribeSound(basis.results, verdict));
            break;
        case ERequirement::Updates:
            aRows.push_back(DescribeLiveUpdates(basis));
            break;
        case ERequirement::Memory:
            aRows.push_back(DescribeMemory(basis.results, verdict));
            break;
        case ERequirement::FreeDisk:
            aRows.push_back(DescribeFreeDisk(basis.results, verdict));
            break;
        case ERequirement::Clock:
            aRows.push_back(DescribeLiveClock(basis));
            break;
        }
        if (!basis.facts.bReportEvaluated && IsReadFromReport(requirement))
        {
            MarkUnmeasured(aRows.back());
        }
    }
    return aRows;
}

std::vector<SRequirementResult> DescribeReport(const SReportBasis& basis)
{
    const bool bWindows8Rules = UsesWindows8Rules(basis.systemClass);
    std::vector<SRequirementResult> aRows;
    for (const ERequirement requirement : g_aRequirements)
    {
        const EVerdict verdict = GetVerdict(requirement, basis.results, false, bWindows8Rules);
        switch (requirement)
        {
        case ERequirement::Display:
            aRows.push_back(DescribeDisplay(
                basis.results,
                basis.systemClass == ESystemClass::Unknown ? EVerdict::Unknown : verdict));
            break;
        case ERequirement::Sound:
            aRows.push_back(DescribeSound(basis.results, verdict));
            break;
        case ERequirement::Updates:
            aRows.push_back(DescribeReportUpdates(basis.systemClass));
            break;
        case ERequirement::Memory:
            aRows.push_back(DescribeMemory(basis.results, verdict));
            break;
        case ERequirement::FreeDisk:
        {
            SRequirementResult row = DescribeFreeDisk(basis.results, verdict);
            if (!basis.bDriveListed)
            {
                row.strReason =
                    basis.strDriveRoot.empty()
                        ? L"the disk that a live run would judge is unknown here"
                        : L"the report lists no disk " + GetDriveName(basis.strDriveRoot);
            }
            aRows.push_back(std::move(row));
            break;
        }
        case ERequirement::Clock:
            aRows.push_back(DescribeClockUnknown(L"not part of a saved report"));
            break;
        }
    }
    return aRows;
}

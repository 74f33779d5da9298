#pragma once

#include "ui/cli/QualificationResult.h"

// Results of each kind, shared by the tests of the JSON, CSV and text outputs.
namespace CliResultSamples
{
inline SRequirementResult Row(ERequirement requirement, EVerdict verdict, SJudgedValue value,
                              std::wstring strText, std::wstring strReason = {})
{
    return {requirement, verdict, std::move(value), std::move(strText), std::move(strReason)};
}

inline SJudgedValue Integer(std::int64_t llValue, std::wstring strUnit)
{
    SJudgedValue value;
    value.kind = SJudgedValue::EKind::Integer;
    value.llInteger = llValue;
    value.strUnit = std::move(strUnit);
    return value;
}

// A finished live run on Windows 7 with a FAIL, an UNK and the virtual-adapter warning.
inline SQualificationResult LiveRun()
{
    SJudgedValue level;
    level.kind = SJudgedValue::EKind::Decimal;
    level.fDecimal = 12.1;
    level.strUnit = L"feature level";
    SJudgedValue sound;
    sound.kind = SJudgedValue::EKind::Boolean;
    sound.bValue = true;
    SJudgedValue articles;
    articles.kind = SJudgedValue::EKind::Articles;
    articles.aArticles = {L"4474419", L"4536952"};
    articles.strUnit = L"KB articles";
    SQualificationResult result;
    result.aRequirements = {
        Row(ERequirement::Display, EVerdict::Pass, level, L"feature level 12.1"),
        Row(ERequirement::Sound, EVerdict::Pass, sound, L"sound device present"),
        Row(ERequirement::Updates, EVerdict::Fail, articles,
            L"4474419, 4536952 installed; 4490628 missing",
            L"Windows 7 SP1 needs the updates 4474419, 4490628, 4536952"),
        Row(ERequirement::Memory, EVerdict::Pass, Integer(16384, L"MB"), L"16384 MB"),
        Row(ERequirement::FreeDisk, EVerdict::Pass, Integer(51234, L"MB"), L"51234 MB free"),
        Row(ERequirement::Clock, EVerdict::Unknown, {}, L"not compared",
            L"not compared: no consent to use the internet"),
    };
    result.aWarnings = {{L"virtualization", L"One or more virtualized devices were detected."}};
    return result;
}

inline SQualificationResult RefusedRun()
{
    SQualificationResult result;
    result.outcome = EResultOutcome::Refused;
    result.stop = ERunStop::RemoteSession;
    result.strStopMessage = L"A remote desktop session has been detected.";
    return result;
}

inline SQualificationResult UnreadableReport()
{
    SQualificationResult result;
    result.outcome = EResultOutcome::Error;
    result.error = SRunError{-998, L"Could not load the dxdiag XML file", {}};
    result.report = SReportSource{L"/srv/reports/bad, \"old\".xml", {}, std::nullopt, {}, {}};
    return result;
}

inline SQualificationResult JudgedReport()
{
    SQualificationResult result;
    result.report = SReportSource{L"pc07.xml", L"Windows 10 Pro 64-bit (10.0, Build 19045)",
                                  ESystemClass::Windows8OrLater, L"=HYPERLINK(\"x\")", L"C:\\"};
    result.aRequirements = {
        Row(ERequirement::Display, EVerdict::Pass, {}, L"feature level 12.1"),
        Row(ERequirement::Sound, EVerdict::Fail, {}, L"no sound device", L"no sound device"),
        Row(ERequirement::Updates, EVerdict::Pass, {}, L"not needed on Windows 8 or later"),
        Row(ERequirement::Memory, EVerdict::Pass, Integer(8192, L"MB"), L"8192 MB"),
        Row(ERequirement::FreeDisk, EVerdict::Pass, Integer(2048, L"MB"), L"2048 MB free"),
        Row(ERequirement::Clock, EVerdict::Unknown, {}, L"not compared",
            L"not part of a saved report"),
    };
    return result;
}

inline SResultContext Context()
{
    return {L"2026-03-01T09:15:02Z", L"lab-pc-07", L"1.0.0.1"};
}
} // namespace CliResultSamples

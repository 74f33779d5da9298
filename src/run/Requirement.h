#pragma once

#include "run/OsVersion.h"
#include "run/TestResults.h"

#include <array>
#include <cstddef>
#include <string>

// Everything the program knows of one requirement, in one descriptor per requirement: its names
// for people and scripts, its ids in the dialog and its string table, its rule, and the texts of
// its value, its reasons and the advice for FAIL and UNK. Every front end and output loops over
// g_aRequirementDescriptors instead of naming the requirements itself.

enum class ERequirement
{
    Display,
    Sound,
    Updates,
    Memory,
    FreeDisk,
    Clock,
};

enum class EVerdict
{
    Pass,
    Fail,
    Unknown,
};

// What a rule is judged on besides the record.
struct SRuleContext
{
    bool bInternetConsent = false;
    bool bWindows8OrLater = false; // the system is at least kWindows8
};

// The controls of a requirement's row in dialog template 102.
struct SRequirementControls
{
    int nPassLabelId;
    int nFailLabelId;
    int nUnknownLabelId;
    int nHelpButtonId;
    // The row's place in the results box: column 0 or 1, row 0 to 2.
    int nColumn;
    int nRow;
};

// What to do about a FAIL or UNK, one sentence ending in "run the test again."; null where the
// Windows sentence fits Linux too.
struct SRequirementAdvice
{
    const wchar_t* pszFailWindows;
    const wchar_t* pszFailLinux;
    const wchar_t* pszUnknownWindows;
    const wchar_t* pszUnknownLinux;
};

struct SRequirementResult;
struct SLiveRunBasis;
struct SReportBasis;

struct SRequirementDescriptor
{
    ERequirement requirement;
    const wchar_t* pszName;        // "Free Disk Space"
    const char* pszId;             // the JSON key: "freeDisk"
    const char* pszCsvColumn;      // the CSV column of the verdict: "free_disk"
    const char* pszCsvValueColumn; // the CSV column of the value: "free_disk_mb"
    unsigned int nHelpCaptionId;   // the "?" box of the string table
    unsigned int nHelpTextId;
    SRequirementControls controls;
    // Its value comes from the diagnostics report, so a run that never read one measured none.
    bool bReadFromReport;
    // It is judged only with consent to use the internet; its "UNK" otherwise keeps the look of
    // a requirement not yet tested.
    bool bNeedsInternet;
    // Its value is read from the display adapters, so a note on them explains its reason.
    bool bReadFromAdapters;
    EVerdict (*Judge)(const TestResults& results, const SRuleContext& context);
    // The value as shown beside the verdict: "812 MB free".
    std::wstring (*FormatValue)(const TestResults& results, EVerdict verdict, ESystemFamily family);
    // The row of a finished live run and that of a saved report, whose verdict is drawn without
    // consent by the rules of the report's system.
    SRequirementResult (*DescribeLive)(const SLiveRunBasis& basis, EVerdict verdict);
    SRequirementResult (*DescribeReport)(const SReportBasis& basis, EVerdict verdict);
    SRequirementAdvice advice;
};

extern const SRequirementDescriptor g_displayRequirement;
extern const SRequirementDescriptor g_soundRequirement;
extern const SRequirementDescriptor g_updatesRequirement;
extern const SRequirementDescriptor g_memoryRequirement;
extern const SRequirementDescriptor g_freeDiskRequirement;
extern const SRequirementDescriptor g_clockRequirement;

// The requirements in the order the results are listed, which is also the order of ERequirement.
inline constexpr std::array<const SRequirementDescriptor*, 6> g_aRequirementDescriptors = {
    &g_displayRequirement, &g_soundRequirement,    &g_updatesRequirement,
    &g_memoryRequirement,  &g_freeDiskRequirement, &g_clockRequirement,
};

// The values of ERequirement in the same order.
inline constexpr std::array<ERequirement, g_aRequirementDescriptors.size()> g_aRequirements = []
{
    std::array<ERequirement, g_aRequirementDescriptors.size()> aRequirements{};
    for (std::size_t i = 0; i < aRequirements.size(); ++i)
    {
        aRequirements[i] = static_cast<ERequirement>(i);
    }
    return aRequirements;
}();

inline const SRequirementDescriptor& GetRequirementDescriptor(ERequirement requirement)
{
    return *g_aRequirementDescriptors[static_cast<std::size_t>(requirement)];
}

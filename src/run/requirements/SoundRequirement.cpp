#include "run/DialogIds.h"
#include "run/RequirementRows.h"
#include "support/StringIds.h"

namespace
{
EVerdict Judge(const TestResults& results, const SRuleContext&)
{
    return PassIf(results.m_bSoundDevice);
}

std::wstring FormatValue(const TestResults& results, EVerdict, ESystemFamily)
{
    return results.m_bSoundDevice ? L"sound device present" : L"no sound device";
}

SRequirementResult DescribeRow(const TestResults& results, EVerdict verdict, ESystemFamily family)
{
    SRequirementResult row = MakeValueRow(g_soundRequirement, results, verdict, family);
    row.value.kind = SJudgedValue::EKind::Boolean;
    row.value.bValue = results.m_bSoundDevice;
    if (verdict != EVerdict::Pass)
    {
        row.strReason = L"no sound device is listed; experiments with audio need one";
    }
    return row;
}
} // namespace

const SRequirementDescriptor g_soundRequirement = {
    ERequirement::Sound,
    L"Sound Device",
    "sound",
    "sound",
    "sound_device",
    IDS_SOUND_HELP_CAPTION,
    IDS_SOUND_HELP_TEXT,
    {IDC_SOUND_PASS, IDC_SOUND_FAIL, IDC_SOUND_UNK, IDC_HELP_SOUND, 0, 1},
    true,
    false,
    false,
    Judge,
    FormatValue,
    DescribeLiveRow<DescribeRow>,
    DescribeReportRow<DescribeRow>,
    {L"Connect or enable a sound device (Sound in the Control Panel), then run the test again.",
     L"Connect a sound device and check that the system lists it (aplay -l), then run the test "
     L"again.",
     kReportAdviceWindows, kReportAdviceLinux},
};

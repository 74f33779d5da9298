#include "ui/cli/SystemIdentityResult.h"

#include "run/JudgedValueText.h"
#include "support/TextConvert.h"
#include "ui/cli/ResultCsv.h"

#include <charconv>

namespace
{
using CJson = nlohmann::ordered_json;

CJson TextOrNull(const std::wstring& strText)
{
    return strText.empty() ? CJson(nullptr) : CJson(WideToUtf8(strText));
}

// The level as the decimal number it was written as (12.1, not 12.100000381); null for none.
CJson FeatureLevelOrNull(float fLevel)
{
    if (fLevel <= 0.0f)
    {
        return nullptr;
    }
    const std::string strText = WideToUtf8(FormatFeatureLevelNumber(fLevel));
    double fValue = 0.0;
    std::from_chars(strText.data(), strText.data() + strText.size(), fValue);
    return fValue;
}

std::string FormatAdapters(const std::vector<SDisplayAdapterIdentity>& aAdapters)
{
    std::wstring strAdapters;
    for (const SDisplayAdapterIdentity& adapter : aAdapters)
    {
        if (!strAdapters.empty())
        {
            strAdapters += L"; ";
        }
        strAdapters += adapter.strName;
        if (!adapter.strDriverVersion.empty())
        {
            strAdapters += L" (" + adapter.strDriverVersion + L")";
        }
    }
    return WideToUtf8(strAdapters);
}
} // namespace

void AttachSystemIdentity(SQualificationResult& result, const SSystemIdentity& identity)
{
    result.system = identity;
    const std::wstring strNote = FindDisplayNote(identity);
    for (SRequirementResult& row : result.aRequirements)
    {
        if (GetRequirementDescriptor(row.requirement).bReadFromAdapters && !row.strReason.empty() &&
            !strNote.empty())
        {
            row.strReason += L"; " + strNote;
        }
    }
}

nlohmann::ordered_json BuildSystemJson(const std::optional<SSystemIdentity>& system)
{
    if (!system)
    {
        return nullptr;
    }
    CJson adapters = CJson::array();
    for (const SDisplayAdapterIdentity& adapter : system->aDisplayAdapters)
    {
        adapters.push_back({
            {"name", WideToUtf8(adapter.strName)},
            {"driverVersion", TextOrNull(adapter.strDriverVersion)},
            {"featureLevel", FeatureLevelOrNull(adapter.fFeatureLevel)},
            {"virtual", adapter.bVirtual},
        });
    }
    CJson sounds = CJson::array();
    for (const std::wstring& strName : system->aSoundDevices)
    {
        sounds.push_back(WideToUtf8(strName));
    }
    return {
        {"manufacturer", TextOrNull(system->strManufacturer)},
        {"model", TextOrNull(system->strModel)},
        {"operatingSystem", TextOrNull(system->strOperatingSystem)},
        {"displayAdapters", adapters},
        {"soundDevices", sounds},
    };
}

std::vector<std::string> GetSystemCsvColumns()
{
    return {"manufacturer", "model", "display_adapters"};
}

std::vector<std::string> FormatSystemCsvFields(const std::optional<SSystemIdentity>& system)
{
    if (!system)
    {
        return {"", "", ""};
    }
    return {FormatCsvText(WideToUtf8(system->strManufacturer)),
            FormatCsvText(WideToUtf8(system->strModel)),
            FormatCsvText(FormatAdapters(system->aDisplayAdapters))};
}

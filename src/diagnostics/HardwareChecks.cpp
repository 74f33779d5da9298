#include "diagnostics/HardwareChecks.h"

#include "diagnostics/PathText.h"
#include "diagnostics/ReportNumbers.h"
#include "support/TextSplit.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

namespace
{
constexpr std::size_t kMemorySuffixLength = 6; // "MB RAM"
constexpr std::int64_t kBytesPerMB = 1000000;

// Calls the visitor for each item of the query's result that can be fetched, until it returns
// false.
void ForEachNode(const IXmlDocument& document, const wchar_t* pszQuery,
                 const std::function<bool(const IXmlNode&)>& Visit)
{
    const std::unique_ptr<IXmlNodeList> pList = document.SelectNodes(pszQuery);
    if (pList == nullptr)
    {
        return;
    }
    const std::int32_t nLength = pList->GetLength();
    for (std::int32_t i = 0; i < nLength; ++i)
    {
        const std::unique_ptr<IXmlNode> pItem = pList->GetItem(i);
        if (pItem != nullptr && !Visit(*pItem))
        {
            return;
        }
    }
}

// The record's size fields are unsigned: a negative reading is stored as none rather than
// wrapping round to a huge value that would pass.
std::uint32_t ToMegabyteField(std::int64_t llValue)
{
    return static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(llValue, 0, std::numeric_limits<std::uint32_t>::max()));
}
} // namespace

bool IsVirtualAdapterName(const std::wstring& strCardName)
{
    return std::any_of(g_aVirtualAdapterNames.begin(), g_aVirtualAdapterNames.end(),
                       [&](const wchar_t* pszName) { return strCardName == pszName; });
}

bool EvaluateHardwareReport(const IXmlDocument& document, TestResults& results,
                            const std::wstring& strDriveRoot)
{
    const bool bVirtualizationDetected = ReadDisplayDevices(document, results);
    ReadSoundDevices(document, results);
    ReadSystemDriveFreeSpace(document, strDriveRoot, results);
    ReadSystemMemory(document, results);
    return bVirtualizationDetected;
}

bool ReadDisplayDevices(const IXmlDocument& document, TestResults& results)
{
    bool bVirtual = false;
    ForEachNode(document, L"DxDiag/DisplayDevices/DisplayDevice",
                [&](const IXmlNode& item)
                {
                    if (IsVirtualAdapterName(GetChildText(&item, L"CardName")))
                    {
                        bVirtual = true;
                    }
                    else
                    {
                        ParseFeatureLevels(GetChildText(&item, L"FeatureLevels"),
                                           results.m_fFeatureLevel);
                    }
                    return true;
                });
    return bVirtual;
}

void ReadSoundDevices(const IXmlDocument& document, TestResults& results)
{
    const std::unique_ptr<IXmlNodeList> pList =
        document.SelectNodes(L"DxDiag/DirectSound/SoundDevices/SoundDevice");
    if (pList != nullptr)
    {
        results.m_bSoundDevice = pList->GetLength() != 0;
    }
}

void ReadSystemDriveFreeSpace(const IXmlDocument& document, const std::wstring& strDriveRoot,
                              TestResults& results)
{
    ForEachNode(document, L"DxDiag//LogicalDisk",
                [&](const IXmlNode& item)
                {
                    if (GetChildText(&item, L"DriveLetter") + L"\\" != strDriveRoot)
                    {
                        return true;
                    }
                    const std::int64_t llBytes =
                        ParseLeadingInt64(GetChildText(&item, L"FreeSpace"));
                    results.m_nFreeDiskMB = ToMegabyteField(llBytes / kBytesPerMB);
                    return false;
                });
}

void ReadSystemMemory(const IXmlDocument& document, TestResults& results)
{
    ForEachNode(document, L"DxDiag/SystemInformation",
                [&](const IXmlNode& item)
                {
                    std::wstring strMemory = GetChildText(&item, L"Memory");
                    if (strMemory.size() >= kMemorySuffixLength)
                    {
                        strMemory.resize(strMemory.size() - kMemorySuffixLength);
                    }
                    results.m_nMemoryMB = ToMegabyteField(ParseLeadingInt32(strMemory));
                    return true;
                });
}

void ParseFeatureLevels(std::wstring strText, float& fLevel)
{
    ReplaceAll(strText, L"_", L".");
    for (const std::wstring_view strField : SplitFields(strText, L','))
    {
        // Only decimal levels count; one beyond the range of the level's type is no level at
        // all rather than an infinity that passes every threshold.
        const double fValue = ParseDecimalNumber(std::wstring(strField));
        if (std::fabs(fValue) <= std::numeric_limits<float>::max() &&
            static_cast<float>(fValue) > fLevel)
        {
            fLevel = static_cast<float>(fValue);
        }
    }
}

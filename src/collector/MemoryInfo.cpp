#include "collector/MemoryInfo.h"

#include "collector/CollectorText.h"

#include <charconv>

namespace
{
constexpr std::uint64_t kBytesPerMB = 1048576;

std::optional<std::uint64_t> ParseNumber(std::string_view strText, int nBase)
{
    std::uint64_t llValue = 0;
    const char* pEnd = strText.data() + strText.size();
    const auto [pStop, error] = std::from_chars(strText.data(), pEnd, llValue, nBase);
    if (error != std::errc() || pStop == strText.data())
    {
        return std::nullopt;
    }
    return llValue;
}
} // namespace

std::optional<std::uint64_t> ParseMemoryBlockSize(std::string_view strText)
{
    strText = TrimText(strText);
    if (strText.starts_with("0x") || strText.starts_with("0X"))
    {
        strText.remove_prefix(2);
    }
    const std::optional<std::uint64_t> llSize = ParseNumber(strText, 16);
    if (!llSize || *llSize == 0)
    {
        return std::nullopt;
    }
    return llSize;
}

std::optional<std::uint64_t> ParseMeminfoBytes(std::string_view strMeminfo, std::string_view strKey)
{
    std::string_view strValue;
    if (!FindKeyedValue(strMeminfo, strKey, ':', strValue))
    {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> llKiB = ParseNumber(strValue, 10);
    if (!llKiB)
    {
        return std::nullopt;
    }
    return *llKiB * 1024;
}

std::uint64_t GetInstalledMemoryBytes(const SMemorySources& sources)
{
    const std::optional<std::uint64_t> llBlockSize =
        sources.m_strBlockSize ? ParseMemoryBlockSize(*sources.m_strBlockSize) : std::nullopt;
    if (llBlockSize && !sources.m_aBlockStates.empty())
    {
        std::uint64_t llOnline = 0;
        for (const std::string& strState : sources.m_aBlockStates)
        {
            llOnline += TrimText(strState) == "online" ? 1 : 0;
        }
        return *llBlockSize * llOnline;
    }
    return ParseMeminfoBytes(sources.m_strMeminfo, "MemTotal").value_or(0);
}

std::string FormatMemory(std::uint64_t llBytes)
{
    return std::to_string(llBytes / kBytesPerMB) + "MB RAM";
}

std::string FormatPageFile(std::string_view strMeminfo)
{
    const std::optional<std::uint64_t> llTotal = ParseMeminfoBytes(strMeminfo, "SwapTotal");
    const std::optional<std::uint64_t> llFree = ParseMeminfoBytes(strMeminfo, "SwapFree");
    if (!llTotal || !llFree || *llFree > *llTotal)
    {
        return {};
    }
    return std::to_string((*llTotal - *llFree) / kBytesPerMB) + "MB used, " +
           std::to_string(*llFree / kBytesPerMB) + "MB available";
}

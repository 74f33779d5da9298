#include "support/LargeReport.h"

namespace
{
constexpr int kDisplayDevices = 40;
constexpr int kSoundDevices = 60;
constexpr int kLogicalDisks = 200;

void AppendDisplayDevices(std::string& strXml)
{
    strXml += "  <DisplayDevices>\n";
    for (int i = 0; i < kDisplayDevices; ++i)
    {
        // One real adapter reaches 12_1; a virtual one lists a higher level that must not count.
        const bool bVirtual = i == 7;
        strXml += "    <DisplayDevice>\n      <CardName>" +
                  std::string(bVirtual ? "Microsoft Basic Display Adapter"
                                       : "Lab Graphics " + std::to_string(i)) +
                  "</CardName>\n      <Manufacturer>Lab</Manufacturer>\n"
                  "      <DriverVersion>31.0.15.3623</DriverVersion>\n      <FeatureLevels>" +
                  (bVirtual                   ? "12_2"
                   : i == kDisplayDevices - 1 ? "12_1,12_0,11_1,11_0"
                                              : "11_1,11_0,10_1") +
                  "</FeatureLevels>\n    </DisplayDevice>\n";
    }
    strXml += "  </DisplayDevices>\n";
}

void AppendSoundDevices(std::string& strXml)
{
    strXml += "  <DirectSound>\n    <SoundDevices>\n";
    for (int i = 0; i < kSoundDevices; ++i)
    {
        strXml += "      <SoundDevice><Description>Speakers " + std::to_string(i) +
                  "</Description><DriverName>snd.sys</DriverName></SoundDevice>\n";
    }
    strXml += "    </SoundDevices>\n  </DirectSound>\n";
}

void AppendLogicalDisks(std::string& strXml)
{
    strXml += "  <LogicalDisks>\n";
    for (int i = 0; i < kLogicalDisks; ++i)
    {
        strXml += "    <LogicalDisk><DriveLetter>/mnt/disk" + std::to_string(i) +
                  "</DriveLetter><FreeSpace>" + std::to_string(1000000000LL + i) +
                  "</FreeSpace><MaxSpace>2000000000000</MaxSpace></LogicalDisk>\n";
    }
    // The disk that holds the work folder comes last, so the search runs through the whole list.
    strXml += "    <LogicalDisk><DriveLetter>/srv/lab</DriveLetter><FreeSpace>123456789012"
              "</FreeSpace><MaxSpace>2000000000000</MaxSpace></LogicalDisk>\n  </LogicalDisks>\n";
}

void AppendFilters(std::string& strXml, std::size_t nTargetBytes)
{
    strXml += "  <DirectShow>\n    <Filters>\n";
    for (long long n = 0; strXml.size() < nTargetBytes; ++n)
    {
        const std::string strNumber = std::to_string(n);
        strXml += "      <Filter><Name>Media Filter " + strNumber +
                  "</Name><FilterCategory>Video Decoders</FilterCategory><Merit>0x00600000"
                  "</Merit><Inputs>1</Inputs><Outputs>1</Outputs><File>filter" +
                  strNumber + ".dll</File><FileVersion>10.0.19041." + strNumber +
                  "</FileVersion></Filter>\n";
    }
    strXml += "    </Filters>\n  </DirectShow>\n";
}
} // namespace

std::string GenerateLargeReport(std::size_t nTargetBytes)
{
    std::string strXml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<DxDiag>\n"
                         "  <SystemInformation>\n    <Memory>16384MB RAM</Memory>\n"
                         "  </SystemInformation>\n";
    strXml.reserve(nTargetBytes + 4096);
    AppendDisplayDevices(strXml);
    AppendSoundDevices(strXml);
    AppendLogicalDisks(strXml);
    const std::size_t nClosing = std::string("  </DxDiag>\n").size();
    AppendFilters(strXml, nTargetBytes > nClosing ? nTargetBytes - nClosing : 0);
    strXml += "</DxDiag>\n";
    return strXml;
}

// Writes a set of saved diagnostics reports in the Windows tool's layout for scripts/bench-reports:
//   rigvet_saved_report_files FOLDER COUNT
// Report i is between 20 and 60 KB (sizes spread evenly over the set); every third one is UTF-16
// with a byte-order mark, as the Windows tool writes them, the others UTF-8. Windows 10 and
// Windows 7 alternate. Prints the number of bytes written.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace
{
constexpr std::size_t kSmallest = 20 * 1024;
constexpr std::size_t kLargest = 60 * 1024;

std::string BuildReport(int nIndex, std::size_t nTargetBytes, bool bUtf16)
{
    const bool bWindows7 = nIndex % 2 == 1;
    std::string strXml = std::string("<?xml version=\"1.0\" encoding=\"") +
                         (bUtf16 ? "UTF-16" : "UTF-8") + "\"?>\r\n<DxDiag>\r\n";
    strXml += "  <SystemInformation>\r\n    <MachineName>LAB-PC-" + std::to_string(nIndex) +
              "</MachineName>\r\n    <OperatingSystem>" +
              (bWindows7 ? "Windows 7 Professional 64-bit (6.1, Build 7601) Service Pack 1"
                         : "Windows 10 Pro 64-bit (10.0, Build 19045)") +
              "</OperatingSystem>\r\n    <Memory>" + std::to_string(2048 * (1 + nIndex % 8)) +
              "MB RAM</Memory>\r\n  </SystemInformation>\r\n";
    strXml += "  <DisplayDevices>\r\n    <DisplayDevice>\r\n      <CardName>Lab Graphics " +
              std::to_string(nIndex % 7) + "</CardName>\r\n      <FeatureLevels>" +
              (nIndex % 5 == 0 ? "10_1,10_0" : "12_1,12_0,11_1,11_0") +
              "</FeatureLevels>\r\n    </DisplayDevice>\r\n  </DisplayDevices>\r\n";
    strXml += "  <DirectSound>\r\n    <SoundDevices>\r\n      <SoundDevice><Description>Speakers"
              "</Description></SoundDevice>\r\n    </SoundDevices>\r\n  </DirectSound>\r\n";
    // The bulk of a real report: the system's devices and its media filters.
    strXml += "  <SystemDevices>\r\n";
    const std::string strEnd = "  </SystemDevices>\r\n  <LogicalDisks>\r\n    <LogicalDisk>"
                               "<DriveLetter>D:</DriveLetter><FreeSpace>812345678912</FreeSpace>"
                               "</LogicalDisk>\r\n    <LogicalDisk><DriveLetter>C:</DriveLetter>"
                               "<FreeSpace>" +
                               std::to_string(500000000LL * (1 + nIndex % 300)) +
                               "</FreeSpace></LogicalDisk>\r\n  </LogicalDisks>\r\n</DxDiag>\r\n";
    for (int nDevice = 0; strXml.size() + strEnd.size() < nTargetBytes; ++nDevice)
    {
        strXml += "    <SystemDevice><Name>PCI Device " + std::to_string(nDevice) +
                  "</Name><DeviceKey>PCI\\VEN_8086&amp;DEV_" + std::to_string(1000 + nDevice) +
                  "</DeviceKey><Drivers><Driver><Name>C:\\Windows\\system32\\DRIVERS\\pci.sys"
                  "</Name><Version>10.0.19041.1</Version></Driver></Drivers></SystemDevice>\r\n";
    }
    return strXml + strEnd;
}

std::string ToUtf16(const std::string& strAscii)
{
    std::string strWide = "\xFF\xFE";
    for (const char ch : strAscii)
    {
        strWide += ch;
        strWide += '\0';
    }
    return strWide;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || std::atoi(argv[2]) <= 0)
    {
        std::cerr << "usage: rigvet_saved_report_files FOLDER COUNT\n";
        return 2;
    }
    const int nCount = std::atoi(argv[2]);
    unsigned long long nTotal = 0;
    for (int i = 0; i < nCount; ++i)
    {
        const std::size_t nTarget =
            kSmallest + (kLargest - kSmallest) * static_cast<std::size_t>(i) /
                            static_cast<std::size_t>(nCount > 1 ? nCount - 1 : 1);
        const bool bUtf16 = i % 3 == 0;
        std::string strReport = BuildReport(i, bUtf16 ? nTarget / 2 : nTarget, bUtf16);
        if (bUtf16)
        {
            strReport = ToUtf16(strReport);
        }
        char aName[32];
        std::snprintf(aName, sizeof(aName), "/report-%05d.xml", i);
        std::ofstream file(std::string(argv[1]) + aName, std::ios::binary);
        file << strReport;
        if (!file)
        {
            std::cerr << "rigvet_saved_report_files: cannot write " << argv[1] << aName << "\n";
            return 1;
        }
        nTotal += strReport.size();
    }
    std::cout << nTotal << "\n";
    return 0;
}

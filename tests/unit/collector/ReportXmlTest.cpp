#include "collector/ReportXml.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace
{
SDiagnosticsReport MakeReport()
{
    SDiagnosticsReport report;
    report.m_systemInformation.m_strMachineName = "lab-pc";
    report.m_systemInformation.m_strMemory = "16384MB RAM";
    SDisplayDevice display;
    display.m_strCardName = "Microsoft Basic Display Adapter";
    display.m_strChipType = "virtio <GPU> & \x01"
                            "friends\xff";
    display.m_strVendorId = "0x1af4";
    display.m_strFeatureLevels = "";
    report.m_aDisplayDevices.push_back(display);
    display.m_strCardName = "HD Graphics 530";
    display.m_strFeatureLevels = "11_1,11_0,10_1,10_0,9_3,9_2,9_1";
    report.m_aDisplayDevices.push_back(display);
    report.m_aSoundDevices.push_back({"ALC892 Analog (HDA Intel PCH)", "HDA-Intel"});
    report.m_aLogicalDisks.push_back({"/", 1234567890123ULL, 2000000000000ULL, "ext4"});
    report.m_aLogicalDisks.push_back({"/media/a b", 0, 0, "vfat"});
    return report;
}

pugi::xml_document Parse(const std::string& strXml)
{
    pugi::xml_document document;
    const pugi::xml_parse_result result = document.load_string(strXml.c_str());
    EXPECT_TRUE(result) << result.description() << "\n" << strXml;
    return document;
}

std::string Text(const pugi::xml_document& document, const char* pszQuery)
{
    return document.select_node(pszQuery).node().text().get();
}
} // namespace

TEST(ReportXml, WritesTheToolsLayoutUnderDxDiag)
{
    const std::string strXml = FormatReportXml(MakeReport(), "rigvet-dxdiag 1.2.3.4");
    EXPECT_EQ(strXml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0U);
    const pugi::xml_document document = Parse(strXml);
    EXPECT_STREQ(document.document_element().name(), "DxDiag");
    EXPECT_EQ(Text(document, "DxDiag/SystemInformation/Memory"), "16384MB RAM");
    EXPECT_EQ(Text(document, "DxDiag/SystemInformation/MachineName"), "lab-pc");
    EXPECT_EQ(Text(document, "DxDiag/SystemInformation/DxDiagVersion"), "rigvet-dxdiag 1.2.3.4");
    EXPECT_EQ(Text(document, "DxDiag/SystemInformation/DirectXVersion"), "Not applicable (Linux)");
    EXPECT_EQ(document.select_nodes("DxDiag/DisplayDevices/DisplayDevice").size(), 2U);
    EXPECT_EQ(Text(document, "DxDiag/DisplayDevices/DisplayDevice[2]/FeatureLevels"),
              "11_1,11_0,10_1,10_0,9_3,9_2,9_1");
    EXPECT_EQ(document.select_nodes("DxDiag/DirectSound/SoundDevices/SoundDevice").size(), 1U);
    EXPECT_EQ(Text(document, "DxDiag/DirectSound/SoundDevices/SoundDevice/DriverName"),
              "HDA-Intel");
    EXPECT_EQ(document.select_nodes("DxDiag//LogicalDisk").size(), 2U);
    EXPECT_EQ(Text(document, "DxDiag/LogicalDisks/LogicalDisk[1]/DriveLetter"), "/");
    EXPECT_EQ(Text(document, "DxDiag/LogicalDisks/LogicalDisk[1]/FreeSpace"), "1234567890123");
    EXPECT_EQ(Text(document, "DxDiag/LogicalDisks/LogicalDisk[1]/MaxSpace"), "2000000000000");
    EXPECT_EQ(Text(document, "DxDiag/LogicalDisks/LogicalDisk[2]/DriveLetter"), "/media/a b");
}

TEST(ReportXml, HostileNamesStayWellFormedText)
{
    const pugi::xml_document document = Parse(FormatReportXml(MakeReport(), "v"));
    EXPECT_EQ(Text(document, "DxDiag/DisplayDevices/DisplayDevice[1]/ChipType"),
              "virtio <GPU> & friends\xEF\xBF\xBD");
    EXPECT_EQ(Text(document, "DxDiag/DisplayDevices/DisplayDevice[1]/CardName"),
              "Microsoft Basic Display Adapter");
}

TEST(ReportXml, NoSoundDeviceGivesAnEmptyList)
{
    SDiagnosticsReport report = MakeReport();
    report.m_aSoundDevices.clear();
    const pugi::xml_document document = Parse(FormatReportXml(report, "v"));
    EXPECT_TRUE(document.select_node("DxDiag/DirectSound/SoundDevices"));
    EXPECT_EQ(document.select_nodes("DxDiag/DirectSound/SoundDevices/SoundDevice").size(), 0U);
}

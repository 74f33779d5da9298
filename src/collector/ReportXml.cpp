#include "collector/ReportXml.h"

#include "collector/XmlText.h"

#include <pugixml.hpp>
#include <sstream>

namespace
{
void AddText(pugi::xml_node parent, const char* pszName, const std::string& strText)
{
    parent.append_child(pszName).text().set(SanitizeXmlText(strText).c_str());
}

void AddSystemInformation(pugi::xml_node root, const SSystemInformation& info,
                          const std::string& strCollectorVersion)
{
    pugi::xml_node node = root.append_child("SystemInformation");
    AddText(node, "Time", info.m_strTime);
    AddText(node, "MachineName", info.m_strMachineName);
    AddText(node, "OperatingSystem", info.m_strOperatingSystem);
    AddText(node, "Language", info.m_strLanguage);
    AddText(node, "SystemManufacturer", info.m_strSystemManufacturer);
    AddText(node, "SystemModel", info.m_strSystemModel);
    AddText(node, "BIOS", info.m_strBios);
    AddText(node, "Processor", info.m_strProcessor);
    AddText(node, "Memory", info.m_strMemory);
    AddText(node, "PageFile", info.m_strPageFile);
    AddText(node, "DirectXVersion", "Not applicable (Linux)");
    AddText(node, "DxDiagVersion", strCollectorVersion);
}

void AddDisplayDevices(pugi::xml_node root, const std::vector<SDisplayDevice>& aDevices)
{
    pugi::xml_node list = root.append_child("DisplayDevices");
    for (const SDisplayDevice& device : aDevices)
    {
        pugi::xml_node node = list.append_child("DisplayDevice");
        AddText(node, "CardName", device.m_strCardName);
        AddText(node, "Manufacturer", device.m_strManufacturer);
        AddText(node, "ChipType", device.m_strChipType);
        AddText(node, "VendorID", device.m_strVendorId);
        AddText(node, "DeviceID", device.m_strDeviceId);
        AddText(node, "DriverName", device.m_strDriverName);
        AddText(node, "FeatureLevels", device.m_strFeatureLevels);
        AddText(node, "DriverVersion", device.m_strDriverVersion);
        if (!device.m_strNotes.empty())
        {
            AddText(node, "Notes", device.m_strNotes);
        }
    }
}

void AddSoundDevices(pugi::xml_node root, const std::vector<SSoundDevice>& aDevices)
{
    pugi::xml_node list = root.append_child("DirectSound").append_child("SoundDevices");
    for (const SSoundDevice& device : aDevices)
    {
        pugi::xml_node node = list.append_child("SoundDevice");
        AddText(node, "Description", device.m_strDescription);
        AddText(node, "DriverName", device.m_strDriverName);
    }
}

void AddLogicalDisks(pugi::xml_node root, const std::vector<SLogicalDisk>& aDisks)
{
    pugi::xml_node list = root.append_child("LogicalDisks");
    for (const SLogicalDisk& disk : aDisks)
    {
        pugi::xml_node node = list.append_child("LogicalDisk");
        AddText(node, "DriveLetter", disk.m_strDriveLetter);
        AddText(node, "FreeSpace", std::to_string(disk.m_llFreeSpace));
        AddText(node, "MaxSpace", std::to_string(disk.m_llMaxSpace));
        AddText(node, "FileSystem", disk.m_strFileSystem);
    }
}
} // namespace

std::string FormatReportXml(const SDiagnosticsReport& report,
                            const std::string& strCollectorVersion)
{
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = document.append_child("DxDiag");
    AddSystemInformation(root, report.m_systemInformation, strCollectorVersion);
    AddDisplayDevices(root, report.m_aDisplayDevices);
    AddSoundDevices(root, report.m_aSoundDevices);
    AddLogicalDisks(root, report.m_aLogicalDisks);
    std::ostringstream stream;
    document.save(stream, "  ", pugi::format_indent, pugi::encoding_utf8);
    return stream.str();
}

// The machine's identity from a report in the Windows tool's layout and one of rigvet-dxdiag,
// through this build's own reader (pugixml on Linux, MSXML on Windows).
#include "diagnostics/SystemIdentity.h"

#include "diagnostics/XmlReport.h"
#include "support/TextConvert.h"

#include <gtest/gtest.h>

namespace
{
const std::string kSaved = std::string(RIGVET_FIXTURES_DIR) + "/saved-reports/";

struct SIdentityCase
{
    const char* pszFixture;
    const wchar_t* pszManufacturer;
    const wchar_t* pszModel;
    const wchar_t* pszOperatingSystem;
    SDisplayAdapterIdentity adapter;
    std::vector<std::wstring> aSoundDevices;
    const wchar_t* pszDisplayNote;
};

const std::vector<SIdentityCase> kCases = {
    {"windows10-utf8.xml",
     L"Lab Systems",
     L"Workstation 5",
     L"Windows 10 Pro 64-bit (10.0, Build 19045) (19041.vb_release.191206-1406)",
     {L"Intel(R) UHD Graphics 630", L"31.0.101.2111", 12.1f, false, L""},
     {L"Speakers (Realtek(R) Audio)", L"Headphones (USB Audio Device)"},
     L""},
    {"linux-no-vulkan.xml",
     L"Dell Inc.",
     L"OptiPlex 7080",
     L"Debian GNU/Linux 12 (bookworm) (Linux 6.1.0-18-amd64)",
     {L"CometLake-S GT2 [UHD Graphics 630]", L"", 0.0f, false,
      L"no Vulkan loader (libvulkan.so.1) was found, so the adapter's feature levels are unknown: "
      L"install the package libvulkan1 and a Vulkan driver (mesa-vulkan-drivers)"},
     {L"HDA Intel PCH: ALC3246 Analog"},
     L"install the package libvulkan1"},
};

TEST(SystemIdentity, ReadFromBothLayouts)
{
    for (const SIdentityCase& c : kCases)
    {
        const SSystemIdentity identity =
            ReadSystemIdentity(*LoadDiagnosticsReport(Utf8ToWide(kSaved + c.pszFixture)));
        EXPECT_EQ(identity.strManufacturer, c.pszManufacturer) << c.pszFixture;
        EXPECT_EQ(identity.strModel, c.pszModel) << c.pszFixture;
        EXPECT_EQ(identity.strOperatingSystem, c.pszOperatingSystem) << c.pszFixture;
        ASSERT_EQ(identity.aDisplayAdapters.size(), 1U) << c.pszFixture;
        const SDisplayAdapterIdentity& adapter = identity.aDisplayAdapters[0];
        EXPECT_EQ(adapter.strName, c.adapter.strName) << c.pszFixture;
        EXPECT_EQ(adapter.strDriverVersion, c.adapter.strDriverVersion) << c.pszFixture;
        EXPECT_EQ(adapter.fFeatureLevel, c.adapter.fFeatureLevel) << c.pszFixture;
        EXPECT_EQ(adapter.bVirtual, c.adapter.bVirtual) << c.pszFixture;
        EXPECT_EQ(adapter.strNote, c.adapter.strNote) << c.pszFixture;
        EXPECT_EQ(identity.aSoundDevices, c.aSoundDevices) << c.pszFixture;
        EXPECT_NE(FindDisplayNote(identity).find(c.pszDisplayNote), std::wstring::npos)
            << c.pszFixture;
    }
}
} // namespace

#pragma once

#include "diagnostics/IXmlDocument.h"

#include <string>
#include <vector>

// Who a machine is, as its diagnostics report names it, so that a result can be matched to a
// purchase or a driver. Serial numbers are left out: the report has none, and on Linux they are
// readable by root only.

struct SDisplayAdapterIdentity
{
    std::wstring strName;          // CardName
    std::wstring strDriverVersion; // DriverVersion
    float fFeatureLevel = 0.0f;    // the highest of its FeatureLevels; 0 when it lists none
    bool bVirtual = false;         // one of the virtual-adapter names
    // What the collector found missing for the levels ("install the package ..."); empty when
    // nothing was missing or the report was written on Windows.
    std::wstring strNote;
};

struct SSystemIdentity
{
    std::wstring strManufacturer;    // SystemManufacturer
    std::wstring strModel;           // SystemModel
    std::wstring strOperatingSystem; // OperatingSystem
    std::vector<SDisplayAdapterIdentity> aDisplayAdapters;
    std::vector<std::wstring> aSoundDevices; // each SoundDevice's Description
};

// Reads the identity from the first SystemInformation element and from every display and sound
// device; missing elements read as empty texts.
SSystemIdentity ReadSystemIdentity(const IXmlDocument& document);

// The first note of an adapter that lists no feature level, or an empty text.
std::wstring FindDisplayNote(const SSystemIdentity& identity);

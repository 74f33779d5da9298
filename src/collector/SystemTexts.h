#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A value of /etc/os-release, with its shell quoting removed; empty when the key is absent.
std::string ParseOsReleaseValue(std::string_view strOsRelease, std::string_view strKey);

// "<PRETTY_NAME> (Linux <kernel release>)", falling back to NAME and then to "Linux".
std::string FormatOperatingSystem(std::string_view strOsRelease, std::string_view strKernelRelease);

// "<model name> (<n> CPUs)" from /proc/cpuinfo; the model falls back to other fields some
// architectures use, then to "Unknown processor".
std::string FormatProcessor(std::string_view strCpuinfo);

// The non-empty parts joined by one blank, each trimmed.
std::string JoinNonEmpty(std::string_view strFirst, std::string_view strSecond,
                         std::string_view strThird);

// Reads a system file by its path; none when it cannot be read (ReadSystemFile, or a test's map).
using SystemFileReader = std::function<std::optional<std::string>(const std::string&)>;

// Who the machine is: maker and model from DMI (/sys/class/dmi/id/sys_vendor, product_name, which
// anyone may read; the serial number is root's only and is left out) and the operating system from
// os-release (/etc/os-release, else /usr/lib/os-release).
struct SMachineIdentity
{
    std::string m_strManufacturer;
    std::string m_strModel;
    std::string m_strOperatingSystem;
};

SMachineIdentity ReadMachineIdentity(const SystemFileReader& ReadFile,
                                     std::string_view strKernelRelease);

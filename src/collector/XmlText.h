#pragma once

#include <string>
#include <string_view>

// Makes text from the system (sysfs names, pci.ids, mount points) safe to put into an XML 1.0
// document: each byte that is not part of a well-formed UTF-8 sequence becomes U+FFFD, and
// characters that XML 1.0 forbids (control characters other than tab, line feed and carriage
// return, U+FFFE and U+FFFF) are dropped. Markup escaping is left to the XML writer.
std::string SanitizeXmlText(std::string_view strText);

#pragma once

#include <string>

// This machine's name as the network knows it (the host name); empty when the system does not
// say. Implemented by the platform adapter.
std::wstring GetMachineName();

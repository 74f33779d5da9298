#pragma once

#include <functional>

// True inside a remote session. Implemented by the platform adapter.
bool IsRemoteSession();

// Linux's answer, decided from the login's environment: an SSH login or an xrdp desktop.
using FEnvironmentLookup = std::function<const char*(const char*)>;
bool IsRemoteLoginEnvironment(const FEnvironmentLookup& lookup);

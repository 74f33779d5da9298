#pragma once

// The environment variables that tell whether a window can be shown; null when not set.
struct SDisplayEnvironment
{
    const char* pszDisplay = nullptr;        // DISPLAY
    const char* pszWaylandDisplay = nullptr; // WAYLAND_DISPLAY
    const char* pszQtPlatform = nullptr;     // QT_QPA_PLATFORM
};

// True when an X or Wayland display is named, or Qt is told to draw without one (offscreen).
bool IsDisplayAvailable(const SDisplayEnvironment& environment);

#pragma once

// Exit codes of the dialog program rigvet.
inline constexpr int kDialogExitSuccess =
    0; // the dialog was closed, or the test hook saved its picture
inline constexpr int kDialogExitUsage = 2;            // an override is not valid
inline constexpr int kDialogExitNoDisplay = 3;        // no display to show the dialog on
inline constexpr int kDialogExitScreenshotFailed = 4; // the test hook could not save its picture

#pragma once

// Message-box styles and answers, with the values the Windows message box uses, so a Windows
// front end passes them through unchanged.
namespace MessageBoxStyle
{
inline constexpr unsigned int kOk = 0x0;
inline constexpr unsigned int kYesNoCancel = 0x3;
inline constexpr unsigned int kIconError = 0x10;
inline constexpr unsigned int kIconQuestion = 0x20;
inline constexpr unsigned int kIconInformation = 0x40;
inline constexpr unsigned int kButtonMask = 0xF;
inline constexpr unsigned int kIconMask = 0xF0;
} // namespace MessageBoxStyle

namespace MessageBoxAnswer
{
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
} // namespace MessageBoxAnswer

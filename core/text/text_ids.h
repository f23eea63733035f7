#pragma once

#include "core/text/text_id.h"

// Texts shared by many windows; each window keeps its own TextIds beside its code.
namespace rpx::txt {

inline constexpr TextId kOk = 1001001;
inline constexpr TextId kCancel = 1001003;
inline constexpr TextId kCaptionError = 1001019;
inline constexpr TextId kCaptionConfirm = 1001021;
inline constexpr TextId kCaptionExit = 1001047;
inline constexpr TextId kCaptionWarning = 1001069;
inline constexpr TextId kOff = 1001023;
inline constexpr TextId kSwitchedOff = 1001039;
inline constexpr TextId kProgramName = 3001001;
inline constexpr TextId kUntitled = 3001003;

} // namespace rpx::txt

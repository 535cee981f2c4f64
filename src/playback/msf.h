#pragma once
// CD times as MCI gives them in its msf format: "mm:ss:ff", minutes, seconds and frames,
// 75 frames to the second as the disc counts them.
#include <string>

namespace playback {

constexpr int kFramesPerSecond = 75;

// Whole frames of an msf text; a missing or non-numeric field counts as 0, so a reply the
// device garbled never throws.
long MsfFrames(const std::string& msf);
// "mm:ss:ff" of a frame count (never below "00:00:00").
std::string MsfText(long frames);
// Field by field with carries: frames into seconds at 75, seconds into minutes at 60.
std::string MsfAdd(const std::string& a, const std::string& b);
std::string MsfSub(const std::string& a, const std::string& b);
bool MsfBefore(const std::string& a, const std::string& b);
// The text kept within low … high.
std::string MsfClamp(const std::string& value, const std::string& low, const std::string& high);

}  // namespace playback

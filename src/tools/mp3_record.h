#pragma once
// The conversion record: one line per converted file, shown as "MP3$$$$.TXT" in Notepad.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace tools {

inline constexpr char kMp3RecordFile[] = "MP3$$$$.TXT";

// Final size against source size in per cent, right-aligned in three characters, then
// "% " and the two sizes: "  9% 1,764,044/160,910  ".
std::string RatioText(std::uint64_t sourceBytes, std::uint64_t finalBytes);
// The ratio text, the final path and the time of the conversion.
std::string RecordLine(std::uint64_t sourceBytes, std::uint64_t finalBytes, const std::string& finalPath,
                       const platform::DateTime& now);
// The report around the record: title with the time, the count, the lines between two rules.
std::vector<std::string> RecordReport(const std::vector<std::string>& record, const platform::DateTime& now);

}  // namespace tools

#pragma once
// Number and date text in the formats the player shows.
#include <cstdint>
#include <string>

#include "platform/clock.h"

namespace base {

// Delphi's "%W.Dn": D fixed decimals (half away from zero), "," between thousands,
// right-aligned in W characters (longer text is not cut). FormatNumber(75.3, 10, 1) is
// "      75.3".
std::string FormatNumber(double value, int width, int decimals);

// Delphi-style date pattern: yy, yyyy, m, mm (minutes right after an hour), d, dd,
// ddd (short day name "日".."土"), dddd, h, hh, n, nn, s, ss; "..." or '...' is literal;
// every other character is copied.
std::string FormatDateTime(const std::string& pattern, const platform::DateTime& t);

// The pattern every date display and report uses.
inline constexpr const char* kDisplayDatePattern = " yy/mm/dd ddd hh:mm:ss ";

// The system's time text ("9:05:30": hour without a leading zero).
std::string TimeText(const platform::DateTime& t);
// "0" put in front of a time text, then the five characters ending three before its end:
// "9:05:30" and "09:05:30" both give "09:05". Empty when the text is too short.
std::string HourMinuteFromTimeText(const std::string& timeText);
std::string HourMinute(const platform::DateTime& t);

// A file's attributes as "r", "s", "h", "a" or a space each.
std::string AttributeChars(std::uint32_t attributes);

}  // namespace base

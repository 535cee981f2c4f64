#pragma once
// The schedule sets and where they live: the Mon-Fri and weekly files of fixed names and the
// daily sets, one "*.day" file each, all in the data folder.
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace schedule {

// The memory name of a start entry begins after "hh:mm K ".
inline constexpr std::size_t kEntryNameColumn = 8;

// "zelcor32f0.lis" .. "zelcor32f2.lis": weekdays, Saturday, Sunday.
std::string WeekdaySetFile(int index);
// "zelcor32w0.lis" .. "zelcor32w6.lis": Monday first.
std::string WeeklySetFile(int index);
// The names of the "*.DAY" files without extension, sorted ignoring case; "DAY000" when none.
std::vector<std::string> ListDailySets(platform::FileSystem& fs, const std::string& dataFolder);

// An entry line "hh:mm K name": true when it is a start entry whose memory name is exactly
// name (the whole tail from the ninth character).
bool EntryStartsMemory(const std::string& line, const std::string& name);

}  // namespace schedule

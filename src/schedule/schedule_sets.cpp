#include "schedule/schedule_sets.h"

#include <algorithm>

#include "base/path.h"
#include "base/sjis.h"

namespace schedule {

std::string WeekdaySetFile(int index) { return "zelcor32f" + std::to_string(index) + ".lis"; }

std::string WeeklySetFile(int index) { return "zelcor32w" + std::to_string(index) + ".lis"; }

std::vector<std::string> ListDailySets(platform::FileSystem& fs, const std::string& dataFolder) {
  std::vector<std::string> names;
  for (auto& e : fs.list(base::StripTrailingSlash(dataFolder), "*.DAY"))
    if (!(e.attributes & platform::kAttrDirectory))
      names.push_back(e.name.substr(0, e.name.size() - base::ExtractFileExt(e.name).size()));
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return base::UpperCase(a) < base::UpperCase(b);
  });
  if (names.empty()) names.push_back("DAY000");
  return names;
}

bool EntryStartsMemory(const std::string& line, const std::string& name) {
  return line.size() == name.size() + kEntryNameColumn && line.compare(kEntryNameColumn, std::string::npos, name) == 0;
}

}  // namespace schedule

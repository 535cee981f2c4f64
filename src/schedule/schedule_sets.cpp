#include "schedule/schedule_sets.h"

#include <algorithm>
#include <iterator>

#include "base/line_file.h"
#include "base/path.h"
#include "base/sjis.h"

namespace schedule {

namespace {


int ExactIndex(const std::vector<std::string>& names, const std::string& name) {
  const auto at = std::find(names.begin(), names.end(), name);
  return at == names.end() ? -1 : static_cast<int>(at - names.begin());
}

bool ListedIgnoringCase(const std::vector<std::string>& names, const std::string& name) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& n) { return base::SameTextIgnoringCase(n, name); });
}

}  // namespace

std::string WeekdaySetFile(int index) { return "zelcor32f" + std::to_string(index) + ".lis"; }

std::string WeeklySetFile(int index) { return "zelcor32w" + std::to_string(index) + ".lis"; }

std::string DailySetFile(const std::string& name) { return name + ".day"; }

std::string SetFile(int mode, int subIndex, const std::string& dailySetName) {
  if (mode == kDaily) return dailySetName.empty() ? std::string() : DailySetFile(dailySetName);
  if (subIndex < 0) return {};
  return mode == kMonFri ? WeekdaySetFile(subIndex) : WeeklySetFile(subIndex);
}

std::vector<std::string> LoadSet(platform::FileSystem& fs, const std::string& dataFolder, const std::string& file) {
  if (file.empty()) return {};
  try {
    return base::LoadLines(fs, dataFolder + file).value_or(std::vector<std::string>{});
  } catch (const std::exception&) {
    return {};
  }
}

std::vector<std::string> ListDailySets(platform::FileSystem& fs, const std::string& dataFolder) {
  std::vector<std::string> names;
  for (auto& e : fs.list(base::StripTrailingSlash(dataFolder), "*.DAY"))
    if (!(e.attributes & platform::kAttrDirectory))
      names.push_back(e.name.substr(0, e.name.size() - base::ExtractFileExt(e.name).size()));
  std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return base::UpperCase(a) < base::UpperCase(b);
  });
  if (names.empty()) names.push_back(kFirstDailySet);
  return names;
}

bool EntryStartsMemory(const std::string& line, const std::string& name) {
  return line.size() == name.size() + kEntryNameColumn && line.compare(kEntryNameColumn, std::string::npos, name) == 0;
}

std::vector<std::string> ScheduleSets::SubItems(int mode) {
  if (mode == kMonFri) return {std::begin(kMonFriSetNames), std::end(kMonFriSetNames)};
  if (mode == kWeekly) return {std::begin(kWeekDayNames), std::end(kWeekDayNames)};
  ListDailySets();
  return dailyNames_;
}

int ScheduleSets::SubIndex(int mode) {
  if (mode == kMonFri) return settings_.weekdaySetIndex;
  if (mode == kWeekly) return settings_.weeklySetIndex;
  const int at = settings_.dailySetName.empty() ? -1 : ExactIndex(dailyNames_, settings_.dailySetName);
  selectDaily(at < 0 ? 0 : at);
  return dailyIndex_;
}

bool ScheduleSets::SaveShownSet(const std::vector<std::string>& lines) {
  const int index = settings_.scheduleMode == kMonFri ? settings_.weekdaySetIndex : settings_.weeklySetIndex;
  const std::string file = SetFile(settings_.scheduleMode, index, settings_.dailySetName);
  return !file.empty() && base::SaveLines(fs_, path(file), lines);
}

std::vector<std::string> ScheduleSets::LoadShownSet(int mode, int subIndex) {
  if (mode == kMonFri) settings_.weekdaySetIndex = subIndex;
  if (mode == kWeekly) settings_.weeklySetIndex = subIndex;
  if (mode == kDaily) dailyIndex_ = subIndex;
  settings_.scheduleMode = mode;
  if (mode == kDaily && dailyIndex_ >= 0 && dailyIndex_ < static_cast<int>(dailyNames_.size()))
    settings_.dailySetName = dailyNames_[dailyIndex_];
  return LoadSet(fs_, dataFolder_, SetFile(mode, subIndex, settings_.dailySetName));
}

void ScheduleSets::ListDailySets() { dailyNames_ = schedule::ListDailySets(fs_, dataFolder_); }

void ScheduleSets::selectDaily(int index) {
  dailyIndex_ = index;
  settings_.dailySetName = index >= 0 && index < static_cast<int>(dailyNames_.size()) ? dailyNames_[index] : "";
}

std::string ScheduleSets::NewDailySet(const std::vector<std::string>& shownLines) {
  if (settings_.dailySetName.empty()) return kNoDailySetMessage;
  SaveShownSet(shownLines);
  for (int n = 0; n < 1000; ++n) {
    const std::string name = "DAY" + std::string(1, char('0' + n / 100)) + char('0' + n / 10 % 10) + char('0' + n % 10);
    // A listed name without a file yet (the first "DAY000") is taken too.
    if (fs_.fileExists(path(DailySetFile(name))) || ListedIgnoringCase(dailyNames_, name)) continue;
    dailyNames_.push_back(name);
    selectDaily(static_cast<int>(dailyNames_.size()) - 1);
    return {};
  }
  return kNoDailySetMessage;  // all thousand numbers are in use
}

std::string ScheduleSets::RenameDailySet(const std::string& newName, const std::vector<std::string>& shownLines) {
  const std::string oldName = settings_.dailySetName;
  if (oldName.empty() || dailyIndex_ < 0) return kNoDailySetMessage;
  if (ListedIgnoringCase(dailyNames_, newName)) return kSameNameMessage + newName;
  if (newName.empty() || !base::SaveLines(fs_, path(DailySetFile(newName)), shownLines))
    return kCannotSaveNameMessage + newName;
  fs_.removeFile(path(DailySetFile(oldName)));
  dailyNames_[dailyIndex_] = newName;
  selectDaily(dailyIndex_);
  return {};
}

std::string ScheduleSets::DeleteDailySet() {
  if (settings_.dailySetName.empty() || dailyIndex_ < 0) return kNoDailySetMessage;
  fs_.removeFile(path(DailySetFile(settings_.dailySetName)));
  dailyNames_.erase(dailyNames_.begin() + dailyIndex_);
  if (dailyNames_.empty()) dailyNames_.push_back(kFirstDailySet);
  const int count = static_cast<int>(dailyNames_.size());
  selectDaily(dailyIndex_ > 0 ? std::min(dailyIndex_ - 1, count - 1) : count - 1);
  return {};
}

}  // namespace schedule

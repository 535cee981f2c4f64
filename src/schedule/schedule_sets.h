#pragma once
// The schedule sets and where they live: the Mon-Fri and weekly files of fixed names and the
// daily sets, one "*.day" file each, all in the data folder.
#include <string>
#include <vector>

#include "core/settings.h"
#include "platform/file_system.h"

namespace schedule {

// The schedule modes of the mode selector.
enum Mode { kDaily = 0, kMonFri = 1, kWeekly = 2 };

// The memory name of a start entry begins after "hh:mm K ".
inline constexpr std::size_t kEntryNameColumn = 8;
inline constexpr char kFirstDailySet[] = "DAY000";
// The Mon-Fri sets' sub items and their short labels; the weekly sets' day names.
inline constexpr const char* kMonFriSetNames[3] = {"月-金", "土", "日"};
inline constexpr const char* kMonFriLabels[3] = {"MF", "土", "日"};
inline constexpr const char* kWeekDayNames[7] = {"月", "火", "水", "木", "金", "土", "日"};
inline constexpr char kNoDailySetMessage[] = "データがありません・・・\n強制終了します";
inline constexpr char kSameNameMessage[] = "同名データが既に存在しています・・・\n";
inline constexpr char kCannotSaveNameMessage[] = "この名前では、保存できません・・・\n";

// "zelcor32f0.lis" .. "zelcor32f2.lis": weekdays, Saturday, Sunday.
std::string WeekdaySetFile(int index);
// "zelcor32w0.lis" .. "zelcor32w6.lis": Monday first.
std::string WeeklySetFile(int index);
std::string DailySetFile(const std::string& name);
// The file of a set of a mode; empty when the selection names none (no daily name, a
// negative index).
std::string SetFile(int mode, int subIndex, const std::string& dailySetName);
// A missing or unreadable set is empty.
std::vector<std::string> LoadSet(platform::FileSystem& fs, const std::string& dataFolder, const std::string& file);
// The names of the "*.DAY" files without extension, sorted ignoring case; "DAY000" when none.
std::vector<std::string> ListDailySets(platform::FileSystem& fs, const std::string& dataFolder);

// An entry line "hh:mm K name": true when it is a start entry whose memory name is exactly
// name (the whole tail from the ninth character).
bool EntryStartsMemory(const std::string& line, const std::string& name);

// Which set the schedule panel shows, kept in the settings (mode, Mon-Fri and weekly index,
// daily set name), and the daily sets. The panel owns the list; this owns the files.
class ScheduleSets {
 public:
  ScheduleSets(platform::FileSystem& fs, const std::string& dataFolder, core::Settings& settings)
      : fs_(fs), dataFolder_(dataFolder), settings_(settings) {}

  // The sub items of a mode and the one to select: Mon-Fri and weekly their stored index,
  // daily the set names listed again and the place of the shown name (0 when absent).
  std::vector<std::string> SubItems(int mode);
  int SubIndex(int mode);

  // Writes the shown set to its file; a failed write leaves the old file.
  bool SaveShownSet(const std::vector<std::string>& lines);
  // Makes the selection the shown set and returns its entries.
  std::vector<std::string> LoadShownSet(int mode, int subIndex);

  const std::vector<std::string>& dailySetNames() const { return dailyNames_; }
  int dailySetIndex() const { return dailyIndex_; }
  void ListDailySets();

  // Each returns the message to show, empty on success. New: the shown set is saved first,
  // the new set is empty and shown. Rename: the entries go to the file of the new name at
  // once, so nothing is lost when the player ends before the next save. Delete: the set shown
  // next is at dailySetIndex().
  std::string NewDailySet(const std::vector<std::string>& shownLines);
  std::string RenameDailySet(const std::string& newName, const std::vector<std::string>& shownLines);
  std::string DeleteDailySet();

 private:
  std::string path(const std::string& file) const { return dataFolder_ + file; }
  void selectDaily(int index);

  platform::FileSystem& fs_;
  const std::string& dataFolder_;
  core::Settings& settings_;
  std::vector<std::string> dailyNames_;
  int dailyIndex_ = -1;
};

}  // namespace schedule

#include "schedule/schedule_upkeep.h"

#include "base/line_file.h"
#include "schedule/schedule_sets.h"
#include "tools/report.h"

namespace schedule {

namespace {
const char kDeletedTag[] = " ***削除";
}  // namespace

bool ScheduleUpkeep::visitFile(const std::string& file, const std::string& place, const Visitor& visit) {
  const std::string path = dataFolder_ + file;
  std::vector<std::string> lines;
  try {
    lines = base::LoadLines(fs_, path).value_or(std::vector<std::string>{});
  } catch (const std::exception&) {
    return false;  // an unreadable set counts as empty
  }
  bool stop = false;
  if (visit(place, lines, stop)) base::SaveLines(fs_, path, lines);
  return stop;
}

void ScheduleUpkeep::visitSets(const Visitor& visit) {
  std::vector<std::string> shown = shown_.items();
  bool stop = false;
  if (visit(" 表示中", shown, stop)) {
    const int selected = shown_.itemIndex();
    shown_.setItems(std::move(shown));
    shown_.setItemIndex(selected < shown_.count() ? selected : -1);
  }
  if (stop) return;
  for (int i = 0; i < 3; ++i)
    if (visitFile(WeekdaySetFile(i), std::string(" 月-金") + kMonFriLabels[i], visit)) return;
  for (int i = 0; i < 7; ++i)
    if (visitFile(WeeklySetFile(i), std::string(" 毎週") + kWeekDayNames[i], visit)) return;
  for (auto& set : ListDailySets(fs_, dataFolder_))
    if (visitFile(set + ".DAY", " DAY " + set, visit)) return;
}

bool ScheduleUpkeep::IsMemoryScheduled(const std::string& name) {
  bool found = false;
  visitSets([&](const std::string&, std::vector<std::string>& lines, bool& stop) {
    for (auto& l : lines) found = found || EntryStartsMemory(l, name);
    stop = found;
    return false;
  });
  return found;
}

std::vector<std::string> ScheduleUpkeep::RenameMemoryInSchedules(const std::string& oldName,
                                                                 const std::string& newName) {
  std::vector<std::string> report;
  visitSets([&](const std::string& place, std::vector<std::string>& lines, bool&) {
    bool changed = false;
    for (auto& l : lines) {
      if (!EntryStartsMemory(l, oldName)) continue;
      l = l.substr(0, kEntryNameColumn) + newName;
      report.push_back(l + " <OLD>" + oldName + place);
      changed = true;
    }
    return changed;
  });
  if (!report.empty())
    tools::ShowReport(fs_, shell_, clock_, dataFolder_, "メモリー名変更に伴う、時刻タイマー変更データ、一覧　",
                      "個、メモリー名が変更されました。", report);
  return report;
}

std::vector<std::string> ScheduleUpkeep::DeleteMemoryFromSchedules(const std::string& name) {
  std::vector<std::string> report;
  visitSets([&](const std::string& place, std::vector<std::string>& lines, bool&) {
    std::vector<std::string> kept;
    for (auto& l : lines) {
      if (EntryStartsMemory(l, name))
        report.push_back(l + kDeletedTag + place);
      else
        kept.push_back(l);
    }
    const bool changed = kept.size() != lines.size();
    lines = std::move(kept);
    return changed;
  });
  count_.setCaption(std::to_string(shown_.count()) + "ｺ");
  if (!report.empty())
    tools::ShowReport(fs_, shell_, clock_, dataFolder_, "メモリー名削除に伴う、時刻タイマー削除データ、一覧　",
                      "個、タイマー登録が削除されました。", report);
  return report;
}

}  // namespace schedule

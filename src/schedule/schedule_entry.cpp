#include "schedule/schedule_entry.h"

#include <algorithm>
#include <cstring>

#include "base/line_file.h"
#include "tools/report.h"

namespace schedule {

namespace {

bool TwoDigitsAt(const std::string& s, std::size_t at, int max) {
  if (s.size() < at + 2 || s[at] < '0' || s[at] > '9' || s[at + 1] < '0' || s[at + 1] > '9') return false;
  return (s[at] - '0') * 10 + (s[at + 1] - '0') <= max;
}

int Wrap(int value, int range) { return ((value % range) + range) % range; }

int LabelValue(const std::string& label) { return TwoDigitsAt(label, 0, 99) ? std::stoi(label.substr(0, 2)) : 0; }

bool ListedExactly(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

int KindIndex(const char* kinds, char letter) {
  const char* at = letter ? std::strchr(kinds, letter) : nullptr;
  return at ? static_cast<int>(at - kinds) : -1;
}

char StartKindLetter(int radioIndex) { return radioIndex >= 0 && radioIndex < 3 ? kStartKinds[radioIndex] : kStartKinds[0]; }

char EndKindLetter(int radioIndex) { return radioIndex >= 0 && radioIndex < 3 ? kEndKinds[radioIndex] : kEndKinds[0]; }

bool IsValidTime(const std::string& time) {
  return time.size() == 5 && time[2] == ':' && TwoDigitsAt(time, 0, 23) && TwoDigitsAt(time, 3, 59);
}

std::string EntryTime(const std::string& line) { return line.substr(0, 5); }

std::string StartEntry(const std::string& time, char kind, const std::string& memory) {
  return time + " " + kind + " " + memory;
}

std::string EndEntry(const std::string& time, char kind) { return time + " " + kind; }

int FindEntryAt(const std::vector<std::string>& lines, const std::string& time) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i].compare(0, time.size(), time) == 0) return static_cast<int>(i);
  return -1;
}

std::string ReplaceQuestion(const std::string& time) {
  return time + "\nこのスタート時刻は、既に登録されています。\n書き換えても、よろしいですか？？？";
}

int PutEntry(std::vector<std::string>& lines, const std::string& line) {
  const int old = FindEntryAt(lines, EntryTime(line));
  if (old >= 0) lines.erase(lines.begin() + old);
  const auto at = std::upper_bound(lines.begin(), lines.end(), line) - lines.begin();
  lines.insert(lines.begin() + at, line);
  return static_cast<int>(at);
}

std::string TwoDigits(int value) { return std::string(1, char('0' + value / 10 % 10)) + char('0' + value % 10); }

std::string SpinHour(const std::string& hour, int delta) { return TwoDigits(Wrap(LabelValue(hour) + delta, 24)); }

std::string SpinMinute(const std::string& minute, int delta) { return TwoDigits(Wrap(LabelValue(minute) + delta, 60)); }

std::string PastedLineError(const std::string& line, const std::vector<std::string>& lines,
                            const std::vector<std::string>& memoryNames) {
  if (line.size() < 7) return " ***サイズエラー " + std::to_string(line.size());
  const std::string time = EntryTime(line);
  // Only the strict "hh:mm" form: anything looser would break the time order of the set.
  if (!IsValidTime(time)) return " ***タイムエラー " + time;
  if (FindEntryAt(lines, time) >= 0) return " ***登録済みタイムエラー " + time;
  if (line[5] != ' ') return " ***モードエラー L";
  const char kind = line[6];
  if (KindIndex(kStartKinds, kind) >= 0) {
    if (line.size() < 8 || line[7] != ' ') return " ***モードエラー R";
    if (!ListedExactly(memoryNames, line.substr(8))) return " ***メモリー名が、存在しません。";
    return {};
  }
  if (KindIndex(kEndKinds, kind) >= 0) return {};
  return std::string(" ***モードエラー") + kind;
}

int PasteCopiedEntries(platform::FileSystem& fs, platform::Shell& shell, platform::Clock& clock,
                       const std::string& dataFolder, std::vector<std::string>& lines,
                       const std::vector<std::string>& memoryNames) {
  std::vector<std::string> pasted;
  try {
    pasted = base::LoadLines(fs, dataFolder + kCopyFileName).value_or(std::vector<std::string>{});
  } catch (const std::exception&) {
    // an unreadable clipboard file pastes nothing
  }
  std::vector<std::string> errors;
  int last = -1;
  for (auto& line : pasted) {
    const std::string error = PastedLineError(line, lines, memoryNames);
    if (error.empty())
      last = PutEntry(lines, line);
    else
      errors.push_back(line + error);
  }
  if (!errors.empty())
    tools::ShowReport(fs, shell, clock, dataFolder, "タイムデータ登録エラー、一覧　", "個、登録不能データがありました。",
                      errors);
  return last;
}

bool CopyEntries(platform::FileSystem& fs, const std::string& dataFolder, const std::vector<std::string>& lines) {
  return base::SaveLines(fs, dataFolder + kCopyFileName, lines);
}

}  // namespace schedule

#include "memory/memory_edit.h"

#include "base/path.h"
#include "base/sjis.h"
#include "memory/memory_lists.h"
#include "schedule/schedule_upkeep.h"

namespace memory {

namespace {
const char kTryAnother[] = "別の名前を付けて下さいね☆☆☆";
const ui::Color kGreyFont = 0x808080;

// The button that runs is disabled with a grey caption until its work is done.
class WorkingButton {
 public:
  explicit WorkingButton(ui::Button& b) : b_(b) {
    b_.setEnabled(false);
    b_.setFont(kGreyFont, false);
  }
  ~WorkingButton() {
    b_.setEnabled(true);
    b_.setFont(0, false);
  }

 private:
  ui::Button& b_;
};

// The last character of name that no file name may hold ("" when none); trail bytes of
// double-byte characters are not characters of their own.
std::string LastForbiddenCharacter(const std::string& name) {
  std::string found;
  for (std::size_t i = 0; i < name.size(); i += base::CharLengthAt(name, i)) {
    if (base::CharLengthAt(name, i) != 1) continue;
    if (std::string("\\/:*?\"<>|").find(name[i]) != std::string::npos) found = name.substr(i, 1);
  }
  return found;
}
}  // namespace

std::string RenameRefusal(const std::string& current, const std::string& historyName, const std::string& name,
                          const std::vector<std::string>& names, bool fileExists) {
  if (current == historyName) return historyName + "\nは、ヒストリーです・・・\n変更出来ません・・・";
  if (name.empty()) return name + "\nメモリー名が空です・・・\n何か名前を付けて下さいね☆☆☆";
  const std::string bad = LastForbiddenCharacter(name);
  if (!bad.empty()) return bad + "\n上記の文字は、ファイル名として使えません・・・\n\n" + name + "\n" + kTryAnother;
  for (auto& n : names)
    if (base::UpperCase(n) == base::UpperCase(name)) return name + "\nこの名称は、既に使われています・・・\n" + kTryAnother;
  if (fileExists) return name + "\nこのファイル名は、既に使われています・・・\n" + kTryAnother;
  return {};
}

MemoryEdit::MemoryEdit(MemoryEditView view, core::SharedState& state, core::Services& services, MemoryLists& lists,
                       dialogs::TMKBoxDlg& box)
    : Edit_M_EDIT(view.Edit_M_EDIT),
      Btn_M_HENKO(view.Btn_M_HENKO),
      Btn_M_NEW(view.Btn_M_NEW),
      Btn_M_DEL(view.Btn_M_DEL),
      Btn_M_CANCEL(view.Btn_M_CANCEL),
      v_(view),
      S(state),
      Sv(services),
      lists_(lists),
      box_(box) {
  v_.Btn_M_EDIT.onClick = [this] { Btn_M_EDITClick(); };
  Btn_M_HENKO.onClick = [this] { Btn_M_HENKOClick(); };
  Btn_M_NEW.onClick = [this] { Btn_M_NEWClick(); };
  Btn_M_DEL.onClick = [this] { Btn_M_DELClick(); };
  Btn_M_CANCEL.onClick = [this] { Btn_M_CANCELClick(); };
}

schedule::ScheduleUpkeep MemoryEdit::upkeep() {
  return schedule::ScheduleUpkeep(Sv.fs, Sv.shell, Sv.clock, S.DataFolder, v_.ListBox_JK,
                                  v_.Label_JK_KOSU);
}

void MemoryEdit::Btn_M_EDITClick() {
  Edit_M_EDIT.setText(S.settings.currentMemory);
  v_.Panel_M_EDIT.setVisible(true);
}

void MemoryEdit::Btn_M_HENKOClick() {
  WorkingButton working(Btn_M_HENKO);
  rename();
}

void MemoryEdit::Btn_M_NEWClick() {
  WorkingButton working(Btn_M_NEW);
  create();
}

void MemoryEdit::Btn_M_DELClick() {
  WorkingButton working(Btn_M_DEL);
  remove();
}

void MemoryEdit::deleteFilesOf(const std::string& name) {
  const MemoryFiles f = FilesOf(S.DataFolder, name);
  for (auto* path : {&f.lim, &f.liv, &f.lir}) Sv.fs.removeFile(*path);
}

void MemoryEdit::rename() {
  const std::string name = Edit_M_EDIT.text();
  const std::string refusal = RenameRefusal(S.settings.currentMemory, S.HistoryName, name, v_.ComboBox1.items(),
                                            Sv.fs.fileExists(FilesOf(S.DataFolder, name).lim));
  if (!refusal.empty()) {
    box_.ShowTimed(refusal, 1);
    return;
  }
  const std::string old = S.settings.currentMemory;
  S.settings.currentMemory = name;
  lists_.SaveShownMemory();
  deleteFilesOf(old);
  auto& box = v_.ComboBox1;
  box.remove(box.indexOf(old));
  box.add(name);
  box.setItemIndex(box.count() - 1);
  upkeep().RenameMemoryInSchedules(old, name);
  Btn_M_CANCELClick();
}

std::string FirstFreeMemoryName(const std::vector<std::string>& existingFiles) {
  for (int n = 0;; ++n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    const std::string name = std::string(kProgramName) + "_M" + digits;
    bool used = false;
    for (auto& f : existingFiles) used = used || base::SameTextIgnoringCase(f, name + ".LIM");
    if (!used) return name;
  }
}

void MemoryEdit::create() {
  lists_.SaveShownMemory();
  std::vector<std::string> files;
  for (auto& e : Sv.fs.list(base::StripTrailingSlash(S.DataFolder), "*.LIM")) files.push_back(e.name);
  const std::string name = FirstFreeMemoryName(files);
  S.settings.currentMemory = name;
  Edit_M_EDIT.setText(name);
  v_.ComboBox1.add(name);
  v_.ComboBox1.setItemIndex(v_.ComboBox1.count() - 1);
  // The new memory starts empty: no entries, volumes or random pool of the one shown before.
  for (ui::ItemList* l : {static_cast<ui::ItemList*>(&v_.ListBox2), static_cast<ui::ItemList*>(&v_.ListBox8),
                          static_cast<ui::ItemList*>(&lists_.ListBoxVM)})
    l->clear();
  lists_.RandomPool.clear();
  lists_.ShowEntryCount();
}

int MemoryEdit::nextShownPosition(int removedAt) {
  auto& box = v_.ComboBox1;
  bool onlyHistoryLeft = true;
  for (auto& n : box.items()) onlyHistoryLeft = onlyHistoryLeft && n == S.HistoryName;
  // The last memory gone: a fresh default memory takes its place, before the history.
  if (onlyHistoryLeft) {
    box.insert(0, std::string(kProgramName) + "_M000");
    return 0;
  }
  return removedAt < box.count() ? removedAt : box.count() - 1;
}

void MemoryEdit::remove() {
  const std::string name = S.settings.currentMemory;
  if (name == S.HistoryName) {
    box_.ShowTimed(S.HistoryName + "\nは、ヒストリーです・・・\n削除出来ません・・・", 1);
    return;
  }
  if (upkeep().IsMemoryScheduled(name) &&
      box_.AskYesNoTimed(name + "\nは、時刻タイマーでも、利用されています・・・\n"
                                        "削除メモリー名を使用している、時刻タイマーも、削除されます。\n"
                                        "削除しても、よろしいですか？",
                                 6) != 6)
    return;
  deleteFilesOf(name);
  auto& box = v_.ComboBox1;
  int at = box.itemIndex() >= 0 ? box.itemIndex() : box.indexOf(name);
  box.remove(at);
  at = nextShownPosition(std::max(at, 0));
  S.settings.currentMemory = box.item(at);
  Edit_M_EDIT.setText(S.settings.currentMemory);
  box.setItemIndex(at);
  lists_.LoadShownMemory();
  upkeep().DeleteMemoryFromSchedules(name);
}

void MemoryEdit::Btn_M_CANCELClick() {
  v_.Panel_M_EDIT.setEnabled(false);
  auto& box = v_.ComboBox1;
  box.setItems(NamesWithHistoryLast(box.items(), S.HistoryName));
  const int i = box.indexOf(S.settings.currentMemory);
  box.setItemIndex(i < 0 ? 0 : i);
  S.settings.currentMemory = box.item(box.itemIndex());
  v_.Panel_M_EDIT.setVisible(false);
  v_.Panel_M_EDIT.setEnabled(true);
}

}  // namespace memory

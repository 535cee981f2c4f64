#include "memory/memory_edit.h"

#include "app/Zelcoru.h"
#include "base/path.h"
#include "base/sjis.h"
#include "memory/memory_lists.h"
#include "schedule/schedule_upkeep.h"

namespace memory {

namespace {
const char kTryAnother[] = "別の名前を付けて下さいね☆☆☆";
const ui::Color kGreyFont = 0x808080;

template <class T>
T& control(app::TZELCOR32ZUMIK& w, const char* name) {
  ui::Control* c = w.findControl(name);
  if (!c) throw std::logic_error(std::string("no control ") + name);
  return static_cast<T&>(*c);
}

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

MemoryEdit::MemoryEdit(app::TZELCOR32ZUMIK& window)
    : Edit_M_EDIT(control<ui::Edit>(window, "Edit_M_EDIT")),
      Btn_M_HENKO(control<ui::Button>(window, "Btn_M_HENKO")),
      Btn_M_NEW(control<ui::Button>(window, "Btn_M_NEW")),
      Btn_M_DEL(control<ui::Button>(window, "Btn_M_DEL")),
      Btn_M_CANCEL(control<ui::Button>(window, "Btn_M_CANCEL")),
      w_(window) {
  w_.Btn_M_EDIT.onClick = [this] { Btn_M_EDITClick(); };
  Btn_M_HENKO.onClick = [this] { Btn_M_HENKOClick(); };
  Btn_M_NEW.onClick = [this] { Btn_M_NEWClick(); };
  Btn_M_DEL.onClick = [this] { Btn_M_DELClick(); };
  Btn_M_CANCEL.onClick = [this] { Btn_M_CANCELClick(); };
}

schedule::ScheduleUpkeep MemoryEdit::upkeep() {
  return schedule::ScheduleUpkeep(w_.Sv.fs, w_.Sv.shell, w_.Sv.clock, w_.S.DataFolder, w_.ListBox_JK,
                                  w_.Label_JK_KOSU);
}

void MemoryEdit::Btn_M_EDITClick() {
  Edit_M_EDIT.setText(w_.S.settings.currentMemory);
  w_.Panel_M_EDIT.setVisible(true);
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
  const MemoryFiles f = FilesOf(w_.S.DataFolder, name);
  for (auto* path : {&f.lim, &f.liv, &f.lir}) w_.Sv.fs.removeFile(*path);
}

void MemoryEdit::rename() {
  const std::string name = Edit_M_EDIT.text();
  const std::string refusal = RenameRefusal(w_.S.settings.currentMemory, w_.S.HistoryName, name, w_.ComboBox1.items(),
                                            w_.Sv.fs.fileExists(FilesOf(w_.S.DataFolder, name).lim));
  if (!refusal.empty()) {
    w_.MKBoxDlg1.ShowTimed(refusal, 1);
    return;
  }
  const std::string old = w_.S.settings.currentMemory;
  w_.S.settings.currentMemory = name;
  w_.Memory->SaveShownMemory();
  deleteFilesOf(old);
  auto& box = w_.ComboBox1;
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
  w_.Memory->SaveShownMemory();
  std::vector<std::string> files;
  for (auto& e : w_.Sv.fs.list(base::StripTrailingSlash(w_.S.DataFolder), "*.LIM")) files.push_back(e.name);
  const std::string name = FirstFreeMemoryName(files);
  w_.S.settings.currentMemory = name;
  Edit_M_EDIT.setText(name);
  w_.ComboBox1.add(name);
  w_.ComboBox1.setItemIndex(w_.ComboBox1.count() - 1);
  // The new memory starts empty: no entries, volumes or random pool of the one shown before.
  for (ui::ItemList* l : {static_cast<ui::ItemList*>(&w_.ListBox2), static_cast<ui::ItemList*>(&w_.ListBox8),
                          static_cast<ui::ItemList*>(&w_.Memory->ListBoxVM),
                          static_cast<ui::ItemList*>(&w_.Memory->ListBoxRM)})
    l->clear();
  w_.Memory->ShowEntryCount();
}

int MemoryEdit::nextShownPosition(int removedAt) {
  auto& box = w_.ComboBox1;
  bool onlyHistoryLeft = true;
  for (auto& n : box.items()) onlyHistoryLeft = onlyHistoryLeft && n == w_.S.HistoryName;
  // The last memory gone: a fresh default memory takes its place, before the history.
  if (onlyHistoryLeft) {
    box.insert(0, std::string(kProgramName) + "_M000");
    return 0;
  }
  return removedAt < box.count() ? removedAt : box.count() - 1;
}

void MemoryEdit::remove() {
  const std::string name = w_.S.settings.currentMemory;
  if (name == w_.S.HistoryName) {
    w_.MKBoxDlg1.ShowTimed(w_.S.HistoryName + "\nは、ヒストリーです・・・\n削除出来ません・・・", 1);
    return;
  }
  if (upkeep().IsMemoryScheduled(name) &&
      w_.MKBoxDlg1.AskYesNoTimed(name + "\nは、時刻タイマーでも、利用されています・・・\n"
                                        "削除メモリー名を使用している、時刻タイマーも、削除されます。\n"
                                        "削除しても、よろしいですか？",
                                 6) != 6)
    return;
  deleteFilesOf(name);
  auto& box = w_.ComboBox1;
  int at = box.itemIndex() >= 0 ? box.itemIndex() : box.indexOf(name);
  box.remove(at);
  at = nextShownPosition(std::max(at, 0));
  w_.S.settings.currentMemory = box.item(at);
  Edit_M_EDIT.setText(w_.S.settings.currentMemory);
  box.setItemIndex(at);
  w_.Memory->LoadShownMemory();
  upkeep().DeleteMemoryFromSchedules(name);
}

void MemoryEdit::Btn_M_CANCELClick() {
  w_.Panel_M_EDIT.setEnabled(false);
  auto& box = w_.ComboBox1;
  box.setItems(NamesWithHistoryLast(box.items(), w_.S.HistoryName));
  const int i = box.indexOf(w_.S.settings.currentMemory);
  box.setItemIndex(i < 0 ? 0 : i);
  w_.S.settings.currentMemory = box.item(box.itemIndex());
  w_.Panel_M_EDIT.setVisible(false);
  w_.Panel_M_EDIT.setEnabled(true);
}

}  // namespace memory

#include "memory/memory_lists.h"

#include <algorithm>

#include "app/Zelcoru.h"
#include "base/line_file.h"
#include "base/path.h"
#include "base/sjis.h"

namespace memory {

namespace {
const char kLoadingCount[] = "---ｺ";

ui::ListBox& hiddenList(app::TZELCOR32ZUMIK& w, const char* name) {
  ui::Control* c = w.findControl(name);
  if (!c || c->kind() != ui::Kind::ListBox) throw std::logic_error(std::string("no list ") + name);
  return static_cast<ui::ListBox&>(*c);
}

// The lines of path, or what fallback makes when they cannot be read: made only then, as a
// pool or a volume list of 32,700 entries is no small thing to throw away.
template <typename Fallback>
std::vector<std::string> linesOr(platform::FileSystem& fs, const std::string& path, Fallback fallback) {
  try {
    if (auto lines = base::LoadLines(fs, path)) return std::move(*lines);
  } catch (const std::exception&) {
  }
  return fallback();
}

std::vector<std::string> noLines() { return {}; }

void saveGuarded(platform::FileSystem& fs, const std::string& path, const std::vector<std::string>& lines) {
  try {
    base::SaveLines(fs, path, lines);
  } catch (const std::exception&) {
  }
}

bool lessNoCase(const std::string& a, const std::string& b) { return base::UpperCase(a) < base::UpperCase(b); }
}  // namespace

MemoryFiles FilesOf(const std::string& dataFolder, const std::string& name) {
  const std::string base = dataFolder + name;
  return {base + ".LIM", base + ".LIV", base + ".LIR"};
}

std::vector<std::string> NamesWithHistoryLast(std::vector<std::string> names, const std::string& historyName) {
  std::stable_sort(names.begin(), names.end(), lessNoCase);
  names.erase(std::remove_if(names.begin(), names.end(),
                             [&](const std::string& n) { return base::SameTextIgnoringCase(n, historyName); }),
              names.end());
  names.push_back(historyName);
  return names;
}

std::vector<std::string> FullPool(int count) {
  std::vector<std::string> pool;
  pool.reserve(count > 0 ? count : 0);
  for (int i = 0; i < count; ++i) pool.push_back(std::to_string(i));
  return pool;
}

MemoryLists::MemoryLists(app::TZELCOR32ZUMIK& window)
    : Panel4(window.add<ui::Panel>(&window.PanelMemory, "Panel4", 0)),
      ListBoxVM(hiddenList(window, "ListBoxVM")),
      ListBoxRM(hiddenList(window, "ListBoxRM")),
      w_(window) {
  Panel4.setCaption("ﾒﾓﾘｰ設定中");
  Panel4.setVisible(false);
  Panel4.setBounds(40, 60, 160, 40);
  w_.ComboBox1.setHint("メモリー名の選択");
  w_.ComboBox1.onClick = [this] { SelectMemory(); };
}

bool MemoryLists::HistoryShown() const { return w_.S.settings.currentMemory == w_.S.HistoryName; }

void MemoryLists::busy(bool on) {
  w_.app().setBusyCursor(on);
  Panel4.setVisible(on);
}

std::vector<std::string> MemoryLists::names() const { return w_.ComboBox1.items(); }

void MemoryLists::ListMemories() {
  std::vector<std::string> found;
  for (auto& e : w_.Sv.fs.list(base::StripTrailingSlash(w_.S.DataFolder), "*.LIM")) {
    if (e.attributes & platform::kAttrDirectory) continue;
    found.push_back(e.name);
  }
  std::stable_sort(found.begin(), found.end(), lessNoCase);
  for (auto& n : found) n = n.substr(0, n.size() - base::ExtractFileExt(n).size());
  if (found.empty()) found.push_back(std::string(kProgramName) + "_M000");
  w_.ComboBox1.setItems(std::move(found));
}

void MemoryLists::RestoreMemories() {
  ListMemories();
  w_.ComboBox1.setItems(NamesWithHistoryLast(w_.ComboBox1.items(), w_.S.HistoryName));
  int i = w_.S.settings.currentMemory.empty() ? -1 : w_.ComboBox1.indexOf(w_.S.settings.currentMemory);
  w_.ComboBox1.setItemIndex(i < 0 ? 0 : i);
  w_.S.settings.currentMemory = w_.ComboBox1.item(w_.ComboBox1.itemIndex());
  LoadMemoryAtStart();
  AlignVolumes();
  RefreshNamesOnly();
}

void MemoryLists::LoadMemoryAtStart() {
  w_.Label_MFN_Kosu.setCaption(kLoadingCount);
  const std::string& n = w_.S.settings.currentMemory;
  if (n.empty()) return;
  auto& fs = w_.Sv.fs;
  const MemoryFiles f = FilesOf(w_.S.DataFolder, n);
  w_.ListBox2.clear();
  if (fs.fileExists(f.lim)) w_.ListBox2.setItems(linesOr(fs, f.lim, noLines));
  const int count = w_.ListBox2.count();
  ListBoxVM.setItems(linesOr(fs, f.liv, [count] { return std::vector<std::string>(count); }));
  if (HistoryShown()) {
    ListBoxRM.setItems(FullPool(count));
  } else {
    const MemoryFiles h = FilesOf(w_.S.DataFolder, w_.S.HistoryName);
    HistoryEntries = linesOr(fs, h.lim, noLines);
    HistoryVolumes = linesOr(fs, h.liv, noLines);
    HistoryVolumes.resize(HistoryEntries.size());
    ListBoxRM.setItems(linesOr(fs, f.lir, [count] { return FullPool(count); }));
  }
  w_.ListBox2.tag = -1;
  ShowEntryCount();
}

void MemoryLists::SaveShownMemory() {
  if (HistoryShown()) {
    HistoryEntries = w_.ListBox2.items();
    HistoryVolumes = ListBoxVM.items();
    HistoryVolumes.resize(HistoryEntries.size());
    return;
  }
  auto& fs = w_.Sv.fs;
  const MemoryFiles f = FilesOf(w_.S.DataFolder, w_.S.settings.currentMemory);
  saveGuarded(fs, f.lim, w_.ListBox2.items());
  saveGuarded(fs, f.liv, ListBoxVM.items());
  saveGuarded(fs, f.lir, ListBoxRM.items());
}

void MemoryLists::LoadShownMemory() {
  auto& fs = w_.Sv.fs;
  if (!HistoryShown()) {
    const MemoryFiles f = FilesOf(w_.S.DataFolder, w_.S.settings.currentMemory);
    w_.ListBox2.setItems(fs.fileExists(f.lim) ? linesOr(fs, f.lim, noLines) : std::vector<std::string>{});
    const int count = w_.ListBox2.count();
    ListBoxVM.setItems(linesOr(fs, f.liv, [count] { return std::vector<std::string>(count); }));
    ListBoxRM.setItems(linesOr(fs, f.lir, [count] { return FullPool(count); }));
  } else {
    w_.ListBox2.setItems(HistoryEntries);
    ListBoxVM.setItems(HistoryVolumes);
    ListBoxRM.setItems(FullPool(w_.ListBox2.count()));
  }
  w_.ListBox2.tag = -1;
  w_.app().processMessages();
  AlignVolumes();
  w_.ListBox2.setItemIndex(-1);
  w_.ListBox8.setItemIndex(-1);
  const int i = w_.ComboBox1.indexOf(w_.S.settings.currentMemory);
  if (i >= 0) w_.ComboBox1.setItemIndex(i);
  RefreshNamesOnly();
  ShowEntryCount();
}

void MemoryLists::AlignVolumes() {
  const int n = w_.ListBox2.count();
  if (ListBoxVM.count() == n) return;
  std::vector<std::string> v = ListBoxVM.items();
  v.resize(n);
  ListBoxVM.setItems(std::move(v));
}

int MemoryLists::AppendShown(const std::vector<std::string>& entries, int limit) {
  const bool names = w_.S.settings.namesOnly;
  for (auto& e : entries) {
    w_.ListBox2.add(e);
    if (names) w_.ListBox8.add(DisplayName(e));
    ListBoxVM.add(std::string());
  }
  int gone = 0;
  for (; w_.ListBox2.count() > limit; ++gone) {
    w_.ListBox2.remove(0);
    if (names && w_.ListBox8.count() > 0) w_.ListBox8.remove(0);
    if (ListBoxVM.count() > 0) ListBoxVM.remove(0);
  }
  return gone;
}

std::string MemoryLists::DisplayName(const std::string& entry) const {
  if (!entry.empty() && entry[0] == '>') {
    const std::string name = trackName ? trackName(entry) : std::string("    ");
    return name == "    " ? entry : name;
  }
  std::string name = base::ExtractFileName(entry);
  if (!entry.empty() && entry[0] == '/') name.insert(name.begin(), '/');
  return name;
}

void MemoryLists::RefreshNamesOnly() {
  if (!w_.S.settings.namesOnly) return;
  const bool wasBusy = w_.app().busyCursor();
  Panel4.setVisible(true);
  w_.app().setBusyCursor(true);
  std::vector<std::string> shown;
  shown.reserve(w_.ListBox2.count());
  for (auto& e : w_.ListBox2.items()) shown.push_back(DisplayName(e));
  w_.ListBox8.setItems(std::move(shown));
  w_.ListBox8.setItemIndex(w_.ListBox2.itemIndex());
  Panel4.setVisible(false);
  w_.app().setBusyCursor(wasBusy);
}

void MemoryLists::RefreshTrashNames() {
  std::vector<std::string> shown;
  shown.reserve(w_.ListBox6.count());
  for (auto& e : w_.ListBox6.items()) shown.push_back(DisplayName(e));
  w_.ListBox9.setItems(std::move(shown));
}

void MemoryLists::ShowEntryCount() { w_.Label_MFN_Kosu.setCaption(std::to_string(w_.ListBox2.count()) + "ｺ"); }

void MemoryLists::SelectMemory() {
  busy(true);
  w_.Label_MFN_Kosu.setCaption(kLoadingCount);
  w_.app().processMessages();
  const int pos = w_.ComboBox1.itemIndex();
  SaveShownMemory();
  if (pos >= 0) {
    try {
      w_.S.settings.currentMemory = w_.ComboBox1.item(pos);
    } catch (const std::exception&) {
      w_.S.settings.currentMemory = "Err2";
    }
    LoadShownMemory();
    busy(false);
    return;
  }
  auto& box = w_.ComboBox1;
  bool known = false;
  for (auto& n : box.items()) known = known || n == w_.S.settings.currentMemory;
  if (!known) {
    box.add("Err0");
    box.setItemIndex(0);
    try {
      w_.S.settings.currentMemory = box.item(0);
    } catch (const std::exception&) {
      w_.S.settings.currentMemory = "Err1";
    }
  }
  busy(false);
}

void MemoryLists::ShowHistory() {
  if (HistoryShown()) return;
  int i = w_.ComboBox1.indexOf(w_.S.HistoryName);
  if (i < 0) {
    w_.ComboBox1.add(w_.S.HistoryName);
    i = w_.ComboBox1.count() - 1;
  }
  w_.ComboBox1.setItemIndex(i);
  SelectMemory();
}

void MemoryLists::SaveAtClose() {
  auto& fs = w_.Sv.fs;
  const MemoryFiles h = FilesOf(w_.S.DataFolder, w_.S.HistoryName);
  if (HistoryShown()) {
    saveGuarded(fs, h.lim, w_.ListBox2.items());
    saveGuarded(fs, h.liv, ListBoxVM.items());
    return;
  }
  if (w_.S.settings.currentMemory.empty()) return;
  saveGuarded(fs, h.lim, HistoryEntries);
  saveGuarded(fs, h.liv, HistoryVolumes);
  const MemoryFiles f = FilesOf(w_.S.DataFolder, w_.S.settings.currentMemory);
  saveGuarded(fs, f.lim, w_.ListBox2.items());
  saveGuarded(fs, f.liv, ListBoxVM.items());
  saveGuarded(fs, f.lir, ListBoxRM.items());
}

}  // namespace memory

#include "memory/memory_lists.h"

#include <algorithm>

#include "base/line_file.h"
#include "base/path.h"
#include "base/sjis.h"

namespace memory {

namespace {
const char kLoadingCount[] = "---ｺ";

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

MemoryLists::MemoryLists(MemoryListsView view, core::SharedState& state, core::Services& services,
                         ui::Application& app)
    : Panel4(view.form.add<ui::Panel>(&view.PanelMemory, "Panel4", 0)),
      ListBoxVM(view.ListBoxVM),
      v_(view),
      S(state),
      Sv(services),
      app_(app) {
  Panel4.setCaption("ﾒﾓﾘｰ設定中");
  Panel4.setVisible(false);
  Panel4.setBounds(40, 60, 160, 40);
  v_.ComboBox1.setHint("メモリー名の選択");
  v_.ComboBox1.onClick = [this] { SelectMemory(); };
}

bool MemoryLists::HistoryShown() const { return S.settings.currentMemory == S.HistoryName; }

void MemoryLists::busy(bool on) {
  app_.setBusyCursor(on);
  Panel4.setVisible(on);
}

void MemoryLists::ListMemories() {
  std::vector<std::string> found;
  for (auto& e : Sv.fs.list(base::StripTrailingSlash(S.DataFolder), "*.LIM")) {
    if (e.attributes & platform::kAttrDirectory) continue;
    found.push_back(e.name);
  }
  std::stable_sort(found.begin(), found.end(), lessNoCase);
  for (auto& n : found) n = n.substr(0, n.size() - base::ExtractFileExt(n).size());
  if (found.empty()) found.push_back(std::string(kProgramName) + "_M000");
  v_.ComboBox1.setItems(std::move(found));
}

void MemoryLists::RestoreMemories() {
  ListMemories();
  v_.ComboBox1.setItems(NamesWithHistoryLast(v_.ComboBox1.items(), S.HistoryName));
  int i = S.settings.currentMemory.empty() ? -1 : v_.ComboBox1.indexOf(S.settings.currentMemory);
  v_.ComboBox1.setItemIndex(i < 0 ? 0 : i);
  S.settings.currentMemory = v_.ComboBox1.item(v_.ComboBox1.itemIndex());
  LoadMemoryAtStart();
  AlignVolumes();
  RefreshNamesOnly();
}

void MemoryLists::LoadMemoryAtStart() {
  v_.Label_MFN_Kosu.setCaption(kLoadingCount);
  const std::string& n = S.settings.currentMemory;
  if (n.empty()) return;
  auto& fs = Sv.fs;
  const MemoryFiles f = FilesOf(S.DataFolder, n);
  v_.ListBox2.clear();
  if (fs.fileExists(f.lim)) v_.ListBox2.setItems(linesOr(fs, f.lim, noLines));
  const int count = v_.ListBox2.count();
  ListBoxVM.setItems(linesOr(fs, f.liv, [count] { return std::vector<std::string>(count); }));
  if (HistoryShown()) {
    RandomPool = FullPool(count);
  } else {
    const MemoryFiles h = FilesOf(S.DataFolder, S.HistoryName);
    HistoryEntries = linesOr(fs, h.lim, noLines);
    HistoryVolumes = linesOr(fs, h.liv, noLines);
    HistoryVolumes.resize(HistoryEntries.size());
    RandomPool = linesOr(fs, f.lir, [count] { return FullPool(count); });
  }
  v_.ListBox2.tag = -1;
  ShowEntryCount();
}

void MemoryLists::SaveShownMemory() {
  if (HistoryShown()) {
    HistoryEntries = v_.ListBox2.items();
    HistoryVolumes = ListBoxVM.items();
    HistoryVolumes.resize(HistoryEntries.size());
    return;
  }
  auto& fs = Sv.fs;
  const MemoryFiles f = FilesOf(S.DataFolder, S.settings.currentMemory);
  saveGuarded(fs, f.lim, v_.ListBox2.items());
  saveGuarded(fs, f.liv, ListBoxVM.items());
  saveGuarded(fs, f.lir, RandomPool);
}

void MemoryLists::LoadShownMemory() {
  auto& fs = Sv.fs;
  if (!HistoryShown()) {
    const MemoryFiles f = FilesOf(S.DataFolder, S.settings.currentMemory);
    v_.ListBox2.setItems(fs.fileExists(f.lim) ? linesOr(fs, f.lim, noLines) : std::vector<std::string>{});
    const int count = v_.ListBox2.count();
    ListBoxVM.setItems(linesOr(fs, f.liv, [count] { return std::vector<std::string>(count); }));
    RandomPool = linesOr(fs, f.lir, [count] { return FullPool(count); });
  } else {
    v_.ListBox2.setItems(HistoryEntries);
    ListBoxVM.setItems(HistoryVolumes);
    RandomPool = FullPool(v_.ListBox2.count());
  }
  v_.ListBox2.tag = -1;
  app_.processMessages();
  AlignVolumes();
  v_.ListBox2.setItemIndex(-1);
  v_.ListBox8.setItemIndex(-1);
  const int i = v_.ComboBox1.indexOf(S.settings.currentMemory);
  if (i >= 0) v_.ComboBox1.setItemIndex(i);
  RefreshNamesOnly();
  ShowEntryCount();
}

void MemoryLists::AlignVolumes() {
  const int n = v_.ListBox2.count();
  if (ListBoxVM.count() == n) return;
  std::vector<std::string> v = ListBoxVM.items();
  v.resize(n);
  ListBoxVM.setItems(std::move(v));
}

int MemoryLists::AppendShown(const std::vector<std::string>& entries, int limit) {
  const bool names = S.settings.namesOnly;
  for (auto& e : entries) {
    v_.ListBox2.add(e);
    if (names) v_.ListBox8.add(DisplayName(e));
    ListBoxVM.add(std::string());
  }
  int gone = 0;
  for (; v_.ListBox2.count() > limit; ++gone) {
    v_.ListBox2.remove(0);
    if (names && v_.ListBox8.count() > 0) v_.ListBox8.remove(0);
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
  if (!S.settings.namesOnly) return;
  const bool wasBusy = app_.busyCursor();
  Panel4.setVisible(true);
  app_.setBusyCursor(true);
  std::vector<std::string> shown;
  shown.reserve(v_.ListBox2.count());
  for (auto& e : v_.ListBox2.items()) shown.push_back(DisplayName(e));
  v_.ListBox8.setItems(std::move(shown));
  v_.ListBox8.setItemIndex(v_.ListBox2.itemIndex());
  Panel4.setVisible(false);
  app_.setBusyCursor(wasBusy);
}

void MemoryLists::RefreshTrashNames() {
  std::vector<std::string> shown;
  shown.reserve(v_.ListBox6.count());
  for (auto& e : v_.ListBox6.items()) shown.push_back(DisplayName(e));
  v_.ListBox9.setItems(std::move(shown));
}

void MemoryLists::ShowEntryCount() { v_.Label_MFN_Kosu.setCaption(std::to_string(v_.ListBox2.count()) + "ｺ"); }

void MemoryLists::SelectMemory() {
  busy(true);
  v_.Label_MFN_Kosu.setCaption(kLoadingCount);
  app_.processMessages();
  const int pos = v_.ComboBox1.itemIndex();
  SaveShownMemory();
  if (pos >= 0) {
    try {
      S.settings.currentMemory = v_.ComboBox1.item(pos);
    } catch (const std::exception&) {
      S.settings.currentMemory = "Err2";
    }
    LoadShownMemory();
    busy(false);
    return;
  }
  auto& box = v_.ComboBox1;
  bool known = false;
  for (auto& n : box.items()) known = known || n == S.settings.currentMemory;
  if (!known) {
    box.add("Err0");
    box.setItemIndex(0);
    try {
      S.settings.currentMemory = box.item(0);
    } catch (const std::exception&) {
      S.settings.currentMemory = "Err1";
    }
  }
  busy(false);
}

void MemoryLists::ShowHistory() {
  if (HistoryShown()) return;
  int i = v_.ComboBox1.indexOf(S.HistoryName);
  if (i < 0) {
    v_.ComboBox1.add(S.HistoryName);
    i = v_.ComboBox1.count() - 1;
  }
  v_.ComboBox1.setItemIndex(i);
  SelectMemory();
}

void MemoryLists::SaveAtClose() {
  auto& fs = Sv.fs;
  const MemoryFiles h = FilesOf(S.DataFolder, S.HistoryName);
  if (HistoryShown()) {
    saveGuarded(fs, h.lim, v_.ListBox2.items());
    saveGuarded(fs, h.liv, ListBoxVM.items());
    return;
  }
  if (S.settings.currentMemory.empty()) return;
  saveGuarded(fs, h.lim, HistoryEntries);
  saveGuarded(fs, h.liv, HistoryVolumes);
  const MemoryFiles f = FilesOf(S.DataFolder, S.settings.currentMemory);
  saveGuarded(fs, f.lim, v_.ListBox2.items());
  saveGuarded(fs, f.liv, ListBoxVM.items());
  saveGuarded(fs, f.lir, RandomPool);
}

}  // namespace memory

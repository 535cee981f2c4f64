#include "memory/trash.h"

#include "base/path.h"
#include "base/sjis.h"
#include "memory/memory_lists.h"

namespace memory {

namespace {
bool IsCdTrackFile(const std::string& entry) {
  const std::string ext = base::ExtractFileExt(entry);
  return ext.size() >= 4 && base::UpperCase(ext.substr(1, 3)) == "CDA";
}
}  // namespace

Trash::Trash(TrashView view, core::SharedState& state, core::Services& services, MemoryLists& lists,
             dialogs::TMKBoxDlg& box, ui::Application& app)
    : Image1(view.Image1),
      ListBoxVG(view.ListBoxVG),
      Label7(view.Label7),
      LabelGomiKosu2(view.LabelGomiKosu2),
      LabelGomiTUIKA(view.LabelGomiTUIKA),
      ButtonMCut(view.ButtonMCut),
      v_(view),
      S(state),
      Sv(services),
      lists_(lists),
      box_(box),
      app_(app) {
  Image1.setHint("ゴミ箱");
  Image1.onRightButtonUp = [this] { Image1RightUp(); };
  v_.ListBox6.setHint("ゴミ箱登録ファイル名");
  v_.ListBox9.setHint("ゴミ箱登録ファイル名のみ");
  v_.LabelGomiSASIN.setHint("ゴミ箱を空にしてから捨てる");
  v_.CheckBoxGomi.setHint("メモリー削除ボタンの表示／非表示");
  v_.ButtonGomiCut.setHint("選択ファイルを削除　（ﾏﾙﾁｾｹｸﾄ）");
  v_.Button_GOMI_ALLCLR.setHint("すべて消す");
  v_.ButtonGomiOFF.setHint("ゴミ箱を閉じる");
  v_.ButtonGomiCut.onClick = [this] { DeleteSelectedEntries(ShownTrashList()); };
  ButtonMCut.onClick = [this] { DeleteSelectedEntries(ShownMemoryList()); };
  v_.Button_GOMI_ALLCLR.onClick = [this] { Button_GOMI_ALLCLRClick(); };
  v_.ButtonGomiOFF.onClick = [this] { ButtonGomiOFFClick(); };
  v_.LabelGomiSASIN.onClick = [this] { ToggleClearMode(); };
  LabelGomiTUIKA.onClick = [this] { ToggleClearMode(); };
  v_.CheckBoxGomi.onClick = [this] { CheckBoxGomiClick(); };
}

bool Trash::IsMemoryList(const ui::Control* c) const { return c == &v_.ListBox2 || c == &v_.ListBox8; }

bool Trash::IsTrashList(const ui::Control* c) const { return c == &v_.ListBox6 || c == &v_.ListBox9; }

ui::ItemList& Trash::ShownMemoryList() {
  return S.settings.namesOnly ? static_cast<ui::ItemList&>(v_.ListBox8) : v_.ListBox2;
}

ui::ItemList& Trash::ShownTrashList() {
  return S.settings.namesOnly ? static_cast<ui::ItemList&>(v_.ListBox9) : v_.ListBox6;
}

ListGroup Trash::groupOf(const ui::ItemList& list) {
  const bool namesOnly = S.settings.namesOnly;
  if (IsMemoryList(&list)) return {&v_.ListBox2, namesOnly ? &v_.ListBox8 : nullptr, &lists_.ListBoxVM};
  if (IsTrashList(&list)) return {&v_.ListBox6, namesOnly ? &v_.ListBox9 : nullptr, &ListBoxVG};
  return {const_cast<ui::ItemList*>(&list), nullptr, nullptr};
}

std::string Trash::prefixOf(const ui::ItemList& source) const {
  return &source == &v_.ListBox4 ? base::AddTrailingSlash(S.settings.folderPath) : std::string();
}

std::string Trash::sourceEntry(const ListGroup& from, bool fromFiles, int i, const std::string& prefix,
                               const std::string& disc) const {
  std::string entry = prefix + from.entries->item(i);
  if (fromFiles && !disc.empty() && IsCdTrackFile(entry)) entry = ">" + entry + "/" + disc;
  return entry;
}

void Trash::put(const ListGroup& to, int at, const std::string& entry, const std::string& volume) {
  to.entries->insert(at, entry);
  if (to.names) to.names->insert(at, lists_.DisplayName(entry));
  if (to.volumes) to.volumes->insert(at < 0 ? to.volumes->count() : at, volume);
}

void Trash::eraseAt(const ListGroup& g, int i) {
  g.entries->remove(i);
  if (g.names) g.names->remove(i);
  if (g.volumes) g.volumes->remove(i);
}

void Trash::selectIn(const ListGroup& g, int i) {
  g.entries->setItemIndex(i);
  if (g.names) g.names->setItemIndex(i);
}

void Trash::TransferEntries(ui::ItemList& source, ui::ItemList& target, bool move, int insertAt) {
  app_.setBusyCursor(true);
  lists_.Panel4.setVisible(true);
  const ListGroup to = groupOf(target);
  const ListGroup from = groupOf(source);
  const bool fromFiles = &source == &v_.ListBox4;
  const std::string prefix = prefixOf(source);
  const std::string disc = fromFiles && discIdentity && !prefix.empty() ? discIdentity(prefix[0]) : std::string();
  int remaining = source.selCount();
  int i = remaining == 1 ? source.itemIndex() : 0;
  int firstRemoved = -1;
  while (remaining > 0 && i >= 0 && i < source.count()) {
    if (!source.selected(i)) {
      ++i;
      continue;
    }
    --remaining;
    const std::string entry = sourceEntry(from, fromFiles, i, prefix, disc);
    const bool taken = !entry.empty();
    if (taken) {
      const std::string volume = from.volumes && i < from.volumes->count() ? from.volumes->item(i) : std::string();
      put(to, insertAt, entry, volume);
      if (insertAt >= 0) selectIn(to, ++insertAt);
    }
    if (taken && move && !fromFiles) {
      if (firstRemoved < 0) firstRemoved = i;
      eraseAt(from, i);
    } else {
      ++i;
    }
    if (to.entries->count() >= kEntryLimit) {
      box_.ShowMessage("データ項目制限：" + std::to_string(to.entries->count()) +
                               "\nデータ登録を強制停止します。");
      break;
    }
    app_.processMessages();
    if (S.run.CloseRequested) break;
  }
  if (move && !fromFiles) selectIn(from, firstRemoved);
  afterChange(IsMemoryList(&target) || (move && IsMemoryList(&source)));
  lists_.Panel4.setVisible(false);
  app_.setBusyCursor(false);
}

void Trash::DeleteSelectedEntries(ui::ItemList& list) {
  if (list.count() == 0) {
    Sv.shell.beepExclamation();
    return;
  }
  const ListGroup g = groupOf(list);
  int remaining = list.selCount();
  int i = remaining == 1 ? list.itemIndex() : 0;
  while (remaining > 0 && i >= 0 && i < list.count()) {
    app_.processMessages();
    if (S.run.CloseRequested) break;
    if (!list.selected(i)) {
      ++i;
      continue;
    }
    eraseAt(g, i);
    --remaining;
  }
  selectIn(g, i);
  afterChange(IsMemoryList(&list));
}

void Trash::afterChange(bool memoryChanged) {
  lists_.ShowEntryCount();
  ShowTrashCount();
  if (memoryChanged && memoryListChanged) memoryListChanged();
}

void Trash::ShowTrashCount() {
  const std::string count = std::to_string(v_.ListBox6.count()) + "ｺ";
  Label7.setCaption(count);
  LabelGomiKosu2.setCaption(count);
  Image1.setIcon(v_.ListBox6.count() > 0 ? ui::Image::Icon::TrashFull : ui::Image::Icon::Trash);
}

void Trash::EmptyTrash() {
  for (ui::ItemList* l : {static_cast<ui::ItemList*>(&v_.ListBox6), static_cast<ui::ItemList*>(&v_.ListBox9),
                          static_cast<ui::ItemList*>(&ListBoxVG)})
    l->clear();
  ShowTrashCount();
}

void Trash::Image1RightUp() {
  Image1.setVisible(false);
  show(v_.Panel_JK, false);
  show(v_.PanelGomi, true);
}

void Trash::ButtonGomiOFFClick() {
  show(v_.PanelGomi, false);
  if (listActivated) listActivated(ShownMemoryList());
  Image1.setVisible(true);
}

void Trash::show(ui::Panel& panel, bool on) {
  if (showPanel)
    showPanel(panel, on);
  else
    panel.setVisible(on);
}

void Trash::ToggleClearMode() {
  S.settings.trashClearMode = !S.settings.trashClearMode;
  v_.LabelGomiSASIN.setVisible(S.settings.trashClearMode);
  LabelGomiTUIKA.setVisible(!S.settings.trashClearMode);
}

void Trash::CheckBoxGomiClick() { ButtonMCut.setVisible(v_.CheckBoxGomi.checked()); }

void Trash::Button_GOMI_ALLCLRClick() {
  if (ShownTrashList().count() == 0) {
    Sv.shell.beepExclamation();
    return;
  }
  if (box_.AskYesNoTimed("ゴミ箱を空にしても、いいですか？", 6) == 6)
    EmptyTrash();
  else
    box_.ShowTimed("削除を中止しました・・・", 1);
}

void Trash::restoreAtStart() {
  v_.LabelGomiSASIN.setVisible(S.settings.trashClearMode);
  LabelGomiTUIKA.setVisible(!S.settings.trashClearMode);
  CheckBoxGomiClick();
  ShowTrashCount();
}

}  // namespace memory

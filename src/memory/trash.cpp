#include "memory/trash.h"

#include "app/Zelcoru.h"
#include "app/control_ids.h"
#include "base/path.h"
#include "base/sjis.h"
#include "files/file_list.h"
#include "memory/memory_lists.h"

namespace memory {

namespace {
template <class T>
T& control(app::TZELCOR32ZUMIK& w, const char* name) {
  ui::Control* c = w.findControl(name);
  if (!c) throw std::logic_error(std::string("no control ") + name);
  return static_cast<T&>(*c);
}

template <class T>
T& made(app::TZELCOR32ZUMIK& w, ui::Control* parent, const char* name, int id, const char* caption,
        const char* hint) {
  T& c = w.add<T>(parent, name, id);
  c.setCaption(caption);
  c.setHint(hint);
  return c;
}

bool IsCdTrackFile(const std::string& entry) {
  const std::string ext = base::ExtractFileExt(entry);
  return ext.size() >= 4 && base::UpperCase(ext.substr(1, 3)) == "CDA";
}
}  // namespace

Trash::Trash(app::TZELCOR32ZUMIK& window)
    : Image1(control<ui::Image>(window, "Image1")),
      ListBoxVG(control<ui::ListBox>(window, "ListBoxVG")),
      Label7(made<ui::Label>(window, &window.PanelMemory, "Label7", ids::Label7, "0ｺ", "ゴミ箱に捨てた数")),
      LabelGomiKosu2(made<ui::Label>(window, &window.PanelGomi, "LabelGomiKosu2", ids::LabelGomiKosu2, "0ｺ",
                                     "捨てられたファイル数")),
      LabelGomiTUIKA(made<ui::Label>(window, &window.PanelGomi, "LabelGomiTUIKA", ids::LabelGomiTUIKA, "add",
                                     "ゴミをどんどん追加する")),
      ButtonMCut(made<ui::Button>(window, &window.PanelMemory, "ButtonMCut", ids::ButtonMCut, "削除",
                                  "メモリーデータを直接削除する　（ﾏﾙﾁｾﾚｸﾄ）")),
      w_(window) {
  Image1.setHint("ゴミ箱");
  Image1.onRightButtonUp = [this] { Image1RightUp(); };
  LabelGomiKosu2.setBounds(130, 4, 48, 16);
  LabelGomiTUIKA.setBounds(180, 4, 36, 16);
  ButtonMCut.setVisible(false);
  w_.ListBox6.setHint("ゴミ箱登録ファイル名");
  w_.ListBox9.setHint("ゴミ箱登録ファイル名のみ");
  w_.LabelGomiSASIN.setHint("ゴミ箱を空にしてから捨てる");
  w_.CheckBoxGomi.setHint("メモリー削除ボタンの表示／非表示");
  auto& del = control<ui::Button>(window, "ButtonGomiCut");
  auto& clear = control<ui::Button>(window, "Button_GOMI_ALLCLR");
  auto& close = control<ui::Button>(window, "ButtonGomiOFF");
  del.setHint("選択ファイルを削除　（ﾏﾙﾁｾｹｸﾄ）");
  clear.setHint("すべて消す");
  close.setHint("ゴミ箱を閉じる");
  del.onClick = [this] { DeleteSelectedEntries(ShownTrashList()); };
  ButtonMCut.onClick = [this] { DeleteSelectedEntries(ShownMemoryList()); };
  clear.onClick = [this] { Button_GOMI_ALLCLRClick(); };
  close.onClick = [this] { ButtonGomiOFFClick(); };
  w_.LabelGomiSASIN.onClick = [this] { ToggleClearMode(); };
  LabelGomiTUIKA.onClick = [this] { ToggleClearMode(); };
  w_.CheckBoxGomi.onClick = [this] { CheckBoxGomiClick(); };
}

bool Trash::IsMemoryList(const ui::Control* c) const { return c == &w_.ListBox2 || c == &w_.ListBox8; }

bool Trash::IsTrashList(const ui::Control* c) const { return c == &w_.ListBox6 || c == &w_.ListBox9; }

ui::ItemList& Trash::ShownMemoryList() {
  return w_.S.settings.namesOnly ? static_cast<ui::ItemList&>(w_.ListBox8) : w_.ListBox2;
}

ui::ItemList& Trash::ShownTrashList() {
  return w_.S.settings.namesOnly ? static_cast<ui::ItemList&>(w_.ListBox9) : w_.ListBox6;
}

ListGroup Trash::groupOf(const ui::ItemList& list) {
  const bool namesOnly = w_.S.settings.namesOnly;
  if (IsMemoryList(&list)) return {&w_.ListBox2, namesOnly ? &w_.ListBox8 : nullptr, &w_.Memory->ListBoxVM};
  if (IsTrashList(&list)) return {&w_.ListBox6, namesOnly ? &w_.ListBox9 : nullptr, &ListBoxVG};
  return {const_cast<ui::ItemList*>(&list), nullptr, nullptr};
}

std::string Trash::prefixOf(const ui::ItemList& source) const {
  return &source == &w_.ListBox4 ? base::AddTrailingSlash(w_.S.settings.folderPath) : std::string();
}

std::string Trash::sourceEntry(const ListGroup& from, bool fromFiles, int i, const std::string& prefix,
                               const std::string& disc) const {
  std::string entry = prefix + from.entries->item(i);
  if (fromFiles && !disc.empty() && IsCdTrackFile(entry)) entry = ">" + entry + "/" + disc;
  return entry;
}

void Trash::put(const ListGroup& to, int at, const std::string& entry, const std::string& volume) {
  to.entries->insert(at, entry);
  if (to.names) to.names->insert(at, w_.Memory->DisplayName(entry));
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
  w_.app().setBusyCursor(true);
  w_.Memory->Panel4.setVisible(true);
  const ListGroup to = groupOf(target);
  const ListGroup from = groupOf(source);
  const bool fromFiles = &source == &w_.ListBox4;
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
      w_.MKBoxDlg1.ShowMessage("データ項目制限：" + std::to_string(to.entries->count()) +
                               "\nデータ登録を強制停止します。");
      break;
    }
    w_.app().processMessages();
    if (w_.S.run.CloseRequested) break;
  }
  if (move && !fromFiles) selectIn(from, firstRemoved);
  afterChange(IsMemoryList(&target) || (move && IsMemoryList(&source)));
  w_.Memory->Panel4.setVisible(false);
  w_.app().setBusyCursor(false);
}

void Trash::DeleteSelectedEntries(ui::ItemList& list) {
  if (list.count() == 0) {
    w_.Sv.shell.beepExclamation();
    return;
  }
  const ListGroup g = groupOf(list);
  int remaining = list.selCount();
  int i = remaining == 1 ? list.itemIndex() : 0;
  while (remaining > 0 && i >= 0 && i < list.count()) {
    w_.app().processMessages();
    if (w_.S.run.CloseRequested) break;
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
  w_.Memory->ShowEntryCount();
  ShowTrashCount();
  if (memoryChanged && memoryListChanged) memoryListChanged();
}

void Trash::ShowTrashCount() {
  const std::string count = std::to_string(w_.ListBox6.count()) + "ｺ";
  Label7.setCaption(count);
  LabelGomiKosu2.setCaption(count);
  Image1.setIcon(w_.ListBox6.count() > 0 ? ui::Image::Icon::TrashFull : ui::Image::Icon::Trash);
}

void Trash::EmptyTrash() {
  for (ui::ItemList* l : {static_cast<ui::ItemList*>(&w_.ListBox6), static_cast<ui::ItemList*>(&w_.ListBox9),
                          static_cast<ui::ItemList*>(&ListBoxVG)})
    l->clear();
  ShowTrashCount();
}

void Trash::Image1RightUp() {
  Image1.setVisible(false);
  w_.ShowPanel(w_.Panel_JK, false);
  w_.ShowPanel(w_.PanelGomi, true);
}

void Trash::ButtonGomiOFFClick() {
  w_.ShowPanel(w_.PanelGomi, false);
  w_.Files->ActiveList = &ShownMemoryList();
  Image1.setVisible(true);
}

void Trash::ToggleClearMode() {
  w_.S.settings.trashClearMode = !w_.S.settings.trashClearMode;
  w_.LabelGomiSASIN.setVisible(w_.S.settings.trashClearMode);
  LabelGomiTUIKA.setVisible(!w_.S.settings.trashClearMode);
}

void Trash::CheckBoxGomiClick() { ButtonMCut.setVisible(w_.CheckBoxGomi.checked()); }

void Trash::Button_GOMI_ALLCLRClick() {
  if (ShownTrashList().count() == 0) {
    w_.Sv.shell.beepExclamation();
    return;
  }
  if (w_.MKBoxDlg1.AskYesNoTimed("ゴミ箱を空にしても、いいですか？", 6) == 6)
    EmptyTrash();
  else
    w_.MKBoxDlg1.ShowTimed("削除を中止しました・・・", 1);
}

void Trash::restoreAtStart() {
  w_.LabelGomiSASIN.setVisible(w_.S.settings.trashClearMode);
  LabelGomiTUIKA.setVisible(!w_.S.settings.trashClearMode);
  CheckBoxGomiClick();
  ShowTrashCount();
}

}  // namespace memory

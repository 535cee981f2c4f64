// The WAV to MP3 conversion commands of the file-list pop-up and the conversion record.
#include "app/Zelcoru.h"
#include "core/control_ids.h"
#include "dialogs/SNdlg.h"
#include "files/file_list.h"
#include "tools/mp3_convert.h"

namespace app {

#define ITEM(parent, name, caption) (parent).add(#name, ids::name, caption)

void TZELCOR32ZUMIK::buildMp3() {
  Mp3 = std::make_unique<tools::Mp3Conversion>(addTimer("Timer_SND8", 200), S, Sv, MKBoxDlg1);
  AddSubsystem(Mp3.get());
  Mp3->extractEntry = [this](const std::string& row) {
    const std::string archivePath = archive::RowPath(row, false, "");
    const std::string entry = row.substr(std::min(row.size(), archivePath.size() + 2));
    const bool extracted = !entry.empty() && Archives.ExtractToFolder(archivePath, entry);
    return extracted ? S.PopFolder + archive::BareEntryName(entry) : "";
  };
  std::string before;
  Mp3->setTitle = [this, before](const std::string& title) mutable {
    // The conversion borrows the title and gives back what it found (idle or playing).
    if (before.empty()) before = caption();
    SetTitle(title.empty() ? before : title);
    if (title.empty()) before.clear();
  };
  Mp3->closeWindow = [this] { close(); };

  ui::MenuItem& mp3 = menu("P_MP3");
  ITEM(mp3, P_MP3_HENKAN, "ＭＰ３変換（選択のみ） (&3)");
  ITEM(mp3, P_MP3_SN, Mp3->FormatCaption());
  ITEM(mp3, P_MP3_SN_NEW, "新しいサウンド名の作成 (&N)");
  ITEM(mp3, MP3_TXT, "前回の、MP3変換一覧を再表示 (&B)");
  mp3.separator();
  ITEM(mp3, MP3_KIROKU, "MP3変換一覧表示 (&I)");
  ITEM(mp3, MP3_KIROKUCLR, "MP3変換一覧をクリアする (&C)");
  ITEM(mp3, MP3_No_Memo, "MP3変換一覧を表示しない (&O)");

  menu("P_MP3_HENKAN").onClick = [this] { P_MP3_HENKANClick(); };
  // "DefaultFormat" may change outside the player too: the caption follows it on every opening.
  mp3.onOpen = [this] { menu("P_MP3_SN").setCaption(Mp3->FormatCaption()); };
  menu("P_MP3_SN").onClick = [this] {
    dialogs::TSNBoxDlg input(app());
    Mp3->ChooseFormat(input);
  };
  menu("P_MP3_SN_NEW").onClick = [this] { Mp3->CreateFormat(app()); };
  menu("MP3_TXT").onClick = [this] { Mp3->ShowLastRecord(); };
  menu("MP3_KIROKU").onClick = [this] { Mp3->ShowRecord(false); };
  menu("MP3_KIROKUCLR").onClick = [this] { Mp3->ClearRecord(); };
  menu("MP3_No_Memo").onClick = [this] { flip(menu("MP3_No_Memo")); };
}

#undef ITEM

std::vector<std::string> TZELCOR32ZUMIK::SelectedRows(std::string& folderPrefix) {
  ui::ItemList* list = Files->ActiveList ? Files->ActiveList : &ListBox4;
  // The names-only mirrors show the memory and the trash; their rows are the full entries.
  ui::ItemList* rows = list == &ListBox8 ? &ListBox2 : list == &ListBox9 ? &ListBox6 : list;
  folderPrefix = list == &ListBox4 ? S.settings.folderPath : "";
  std::vector<std::string> selected;
  for (int i = 0; i < list->count() && i < rows->count(); ++i)
    if (list->selected(i)) selected.push_back(rows->item(i));
  return selected;
}

void TZELCOR32ZUMIK::P_MP3_HENKANClick() {
  std::string prefix;
  const std::vector<std::string> rows = SelectedRows(prefix);
  Mp3->Convert(rows, prefix);
}

}  // namespace app

// The main menu, the pop-up menus and the handlers of the menu toggles.
#include "app/Zelcoru.h"
#include "core/control_ids.h"
#include "files/D2OPENDLG.h"
#include "files/file_list.h"
#include "memory/memory_lists.h"
#include "memory/trash.h"
#include "playback/playback.h"
#include "tools/file_tools.h"
#include "tools/help.h"

namespace app {

#define ITEM(parent, name, caption) (parent).add(#name, ids::name, caption)

void TZELCOR32ZUMIK::buildMenus() {
  ui::MenuItem& m = mainMenu();
  ui::MenuItem& file = ITEM(m, MFile0, "ファイル(&F)");
  ITEM(file, K6, "隠しフォルダー表示 ＯＮ (&K)");
  ITEM(file, SSN, "ﾌｧｲﾙ名のみ表示ＯＮ (&N)");
  ITEM(file, M_CD_NAME, "ＣＤトラック名表示ＯＮ (&T)");
  file.separator();
  ITEM(file, FOLDERHIS, "フォルダーヒストリー　ＯＦＦ (&H)");
  ITEM(file, FILEHIS, "ファイルヒストリー　ＯＦＦ (&F)");
  file.separator();
  ITEM(file, MEXIT, "終了(&X)");

  ui::MenuItem& start = ITEM(m, MStart0, "スタート (&S)");
  ITEM(start, Start1, "自動立ち上げ(&A)");
  ITEM(start, Start2, "最小化立ち上げ (&M)");
  start.separator();
  ITEM(start, MS_JK, "時刻タイマー ON");
  start.separator();
  ITEM(start, MSC_ST_SET, "スタートアップ登録(&S)");
  ITEM(start, MSC_ST_DEL, "スタートアップ削除 (&S)");

  ui::MenuItem& exit = ITEM(m, Exit1, "終了 (&E)");
  ITEM(exit, ME_AUTO_OFF, "再生停止時、終了する (&S)");
  ITEM(exit, ME_AUTO_OFF_WIN, "再生終了時、ＷＩＮも終了する (&W)");
  ui::MenuItem& kosu = ITEM(exit, ME_kosu, "終了曲数 再生モードに従う(&P)");
  const int choiceIds[] = {ids::ME_kosu0, ids::ME_kosu1, ids::ME_kosu2, ids::ME_kosu3, ids::ME_kosu4, ids::ME_kosu5,
                           ids::ME_kosu6, ids::ME_kosu7, ids::ME_kosu8, ids::ME_kosu9, ids::ME_kosu10};
  for (int i = 0; i <= 10; ++i) {
    ui::MenuItem& choice =
        kosu.add("ME_kosu" + std::to_string(i), choiceIds[i], i == 0 ? "再生モードに従う(&M)" : std::to_string(i));
    choice.tag = i;
    choice.onClick = [this, &choice] { ME_kosu0Click(choice); };
  }
  ui::MenuItem& setItem = ITEM(kosu, ME_kosu_Set, "Set 20");
  setItem.tag = 11;
  setItem.onClick = [this, &setItem] { ME_kosu0Click(setItem); };
  kosu.separator();
  ITEM(kosu, ME_kosu_Set_Edit, "Set 曲数設定");
  exit.separator();
  ITEM(exit, ME_AUTO_OFF_SAVE, "停止終了を、保存する");
  ITEM(exit, ME_AUTO_OFF_WIN_SAVE, "停止winも終了を、保存する");

  ui::MenuItem& lzh = ITEM(m, MKaitou0, "解凍 (&K)");
  ITEM(lzh, K7, "音楽ﾌｧｲﾙのみ解凍する (&M)");
  ITEM(lzh, K8, "解凍ﾌｧｲﾙを削除する (&C)");
  ITEM(lzh, LZHEND1, "LZHﾌｧｲﾙENDで停止する (&E)");
  ITEM(lzh, LZH_VOUT, "解凍画面を表示ON (&D)");
  lzh.separator();
  ITEM(lzh, TEMPLZH1, "解凍先ﾌｫﾙﾀﾞｰの変更．．． (&F)");
  ITEM(lzh, MK_FOLDER, "解凍先フォルダーを表示する (&O)");

  ui::MenuItem& opt = ITEM(m, MOption0, "オプション (&O)");
  ITEM(opt, SAISEIBAR, "再生バー表示ＯＮ (&P)");
  ITEM(opt, KC, "再生時、拡張子ﾁｪｯｸに従う (&K)");
  ITEM(opt, BackColor, "バックカラーを標準色にする (&B)");
  ITEM(opt, RND_RESET, "ランダム毎回リセットＯＮ (&R)");
  opt.separator();
  ITEM(opt, P_MP3_DIR, "MP3セーブ先フォルダーの登録 (&S)");
  opt.separator();
  ITEM(opt, MSC_DK_SET, "ショートカットを、デスクトップにも、登録する (&D)");
  ITEM(opt, MSC_DK_DEL, "ショートカットを、デスクトップから、削除する (&D)");
  ITEM(opt, AUTO_VOL, "自動ボリューム設定ＯＮ (&V)").setVisible(false);
  ITEM(opt, MO_MP3, "MP3再生に、アクティブムービーを使わない☆").setVisible(false);
  ITEM(opt, MO_Serch_Err, "サーチエラー回避ON").setVisible(false);

  ui::MenuItem& help = ITEM(m, MHelp0, "ヘルプ(&H)");
  ITEM(help, HELP_MOKUJI, "ヘルプ...(&H)");
  ITEM(help, HELP_KEYWORD, "キーワードで検索...(&K)");
  help.separator();
  ITEM(help, help3, "ミニヘルプＯＮ (&M)");
  ITEM(help, MHELP_VERCUT, "ﾊﾞｰｼﾞｮﾝ番号削除...(&C)");
  help.separator();
  ITEM(help, help2, "バージョン情報...(&V)");

  // The file-list pop-up, shared by the file, memory, archive and trash lists.
  ui::MenuItem& p2 = addPopup("PopupMenu2");
  ITEM(p2, PkPLAY, "再生　（関連付け実行）　（選択のみ） (&P)");
  ITEM(p2, PKANREN, "開く　（関連付け実行）　（選択のみ） (&O)");
  p2.separator();
  ITEM(p2, PTEXT, "なんでも、ﾃｷｽﾄ表示　（選択のみ） (&T)");
  ITEM(p2, PLZH4, "LZH格納ﾌｧｲﾙ一覧表示　（選択のみ） (&I)");
  ITEM(p2, PBinary, "なんでも、ﾊﾞｲﾅﾘｰ表示 先頭４Ｋ （選択のみ） (&B)");
  ITEM(p2, PHTML, "HTMLﾃｷｽﾄ整形表示　（選択のみ） (&H)");
  ITEM(p2, P0DCUT, "HTML 0Dh削除 （選択のみ） (&D)");
  ITEM(p2, PKANA, "半角カナ全角変換 （選択のみ） (&K)");
  ITEM(p2, PAKI, "全ﾄﾞﾗｲﾌﾞ空きサイズ一覧 (&S)");
  ITEM(p2, P_MP3, "MP3変換 (&3)");
  ITEM(p2, P_FILE_SZ, "ファイルの総サイズ（選択のみ） (&D)");
  ITEM(p2, P_FILE_SZ_ALL, "すべてのファイルの総サイズ (&A)");
  p2.separator();
  ITEM(p2, PLZH0, "音楽LZHのみ解凍　（選択のみ） (&M)");
  ITEM(p2, PLZH1, "音楽LZHのみすべて解凍 (&W)");
  ITEM(p2, PLZH2, "LZH解凍　（選択のみ） (&S)");
  ITEM(p2, PLZH3, "LZHすべて解凍 (&A)");
  ITEM(p2, PLZH5, "LZHﾌｧｲﾙも解凍先にコピーするＯＮ (&M)");
  ITEM(p2, PASHUKU, "LZH圧縮　（選択のみ） (&S)");
  ITEM(p2, PASHUKUALL, "LZHすべて圧縮 (&A)");
  p2.separator();
  ITEM(p2, PSAKUJO, "削除（選択のみ） (&K)");
  ITEM(p2, PRENAME, "リネーム（選択のみ） (&R)");
  ITEM(p2, PCOPY, "実際にﾌｧｲﾙをコピー（選択のみ） (&C)");
  ITEM(p2, PIDO, "実際にﾌｧｲﾙを移動　（選択のみ） (&M)");
  ITEM(p2, PKILL, "実際にﾌｧｲﾙを削除　（選択のみ） (&K)");
  ITEM(p2, PRENAME_LZH, "LZH内、リネーム（選択のみ） (&N)");
  ITEM(p2, PCOPY_LZH, "LZH内、実際にﾌｧｲﾙをコピー（選択のみ） (&P)");
  ITEM(p2, PIDO_LZH, "LZH内、実際にﾌｧｲﾙを移動　（選択のみ） (&I)");
  ITEM(p2, PKILL_LZH, "LZH内、実際にﾌｧｲﾙを削除　（選択のみ） (&D)");
  ITEM(p2, PLZH_MEM_0, "選択のみ (&S)");
  ITEM(p2, PLZH_MEM_1, "LZH内格納ファイル名指定付も対象とする (&W)");
  p2.separator();
  ITEM(p2, PLZHX, "閉じる (&X)");
  for (ui::ListBox* l : {&ListBox4, &ListBox2, &ListBox3, &ListBox6, &ListBox8, &ListBox9}) l->popupMenu = &p2;

  ui::MenuItem& p1 = addPopup("PopupMenu1");
  ITEM(p1, P0, "移動　（選択のみ） (&M)");
  ITEM(p1, P1, "コピー　（選択のみ） (&C)");
  ITEM(p1, P2, "すべて移動 (&I)");
  ITEM(p1, P3, "すべてコピー (&A)");
  ITEM(p1, P4, "中止 (&Z)");

  // The CD menu, behind the "c" button of the folder panel.
  ui::MenuItem& cdMenu = addPopup("PopupMenu_CD");
  ITEM(cdMenu, PCD_ALL, "全ＣＤサーチ (&A)");
  ITEM(cdMenu, PCD_1, "１ＣＤサーチ　（現在のドライブ） (&1)");
  ButtonCD_Check.onClick = [this, &cdMenu] { app().popupAtMouse(*this, cdMenu, 0, 0); };

  // Wiring of the commands this window carries itself.
  for (const char* name : {"Start1", "Start2", "K7", "K8", "LZHEND1", "KC"}) {
    ui::MenuItem& item = menu(name);
    item.onClick = [this, &item] { Start1Click(item); };
  }
  for (const char* name : {"SSN", "M_CD_NAME"}) {
    ui::MenuItem& item = menu(name);
    item.onClick = [this, &item] { SSNClick(item); };
  }
  for (const char* name : {"RND_RESET", "LZH_VOUT", "PLZH5", "AUTO_VOL", "MO_MP3"}) {
    ui::MenuItem& item = menu(name);
    item.onClick = [this, &item] { ToggleClick(item); };
  }
  for (const char* name : {"HELP_MOKUJI", "HELP_KEYWORD"}) menu(name).onClick = [this] { HELP_MOKUJIClick(); };
  menu("help3").onClick = [this] { help3Click(); };
  menu("BackColor").onClick = [this] { BackColorClick(); };
  menu("MHELP_VERCUT").onClick = [this] { MHELP_VERCUTClick(); };
  menu("MEXIT").onClick = [this] { Button6Click(); };
  menu("help2").onClick = [this] {
    MKBoxDlg1.ShowMessage(std::string(kWindowTitle) + "\nバージョン " + std::to_string(core::kBuildVersion) +
                          "\nフォルダーやメモリーの曲を、次々に自動演奏するＢＧＭプレーヤーです。");
  };
  menu("ME_AUTO_OFF").onClick = [this] { ME_AUTO_OFFClick(); };
  menu("ME_kosu_Set_Edit").onClick = [this] { ME_kosu_Set_EditClick(); };
  menu("FOLDERHIS").onClick = [this] { FOLDERHISClick(); };
  menu("FILEHIS").onClick = [this] { FILEHISClick(); };
  menu("TEMPLZH1").onClick = [this] { TEMPLZH1Click(); };
  menu("P_MP3_DIR").onClick = [this] { P_MP3_DIRClick(); };
  menu("MK_FOLDER").onClick = [this] { MK_FOLDERClick(); };
  menu("ME_AUTO_OFF_WIN").onClick = [this] { ME_AUTO_OFF_WINClick(); };
  menu("ME_AUTO_OFF_SAVE").onClick = [this] { ME_AUTO_OFF_SAVEClick(); };
  menu("ME_AUTO_OFF_WIN_SAVE").onClick = [this] { ME_AUTO_OFF_WIN_SAVEClick(); };
  Button6.onClick = [this] { Button6Click(); };
  Button9.onClick = [this] { Button9Click(); };
  Button11.onClick = [this] { Button11Click(); };
  ButtonKZON.onClick = [this] { ShowPanel(PanelKZ, !PanelKZ.visible()); };
  Button1.onClick = [this] { ShowPanel(PanelKZ, false); };

  // The file tools of the list pop-up.
  menu("PRENAME").onClick = [this] { Tools->PRENAMEClick(); };
  menu("PCOPY").onClick = [this] { Tools->PCOPYClick(false); };
  menu("PIDO").onClick = [this] { Tools->PCOPYClick(true); };
  menu("PKILL").onClick = [this] { Tools->PKILLClick(); };
  menu("PSAKUJO").onClick = [this] { Tools->PSAKUJOClick(); };
  menu("PTEXT").onClick = [this] { Tools->PTEXTClick(); };
  menu("PKANA").onClick = [this] { Tools->PKANAClick(); };
  menu("P_FILE_SZ").onClick = [this] { Tools->P_FILE_SZClick(false); };
  menu("P_FILE_SZ_ALL").onClick = [this] { Tools->P_FILE_SZClick(true); };
  menu("PAKI").onClick = [this] { Tools->PAKIClick(); };
  menu("PRENAME_LZH").onClick = [this] { Tools->PRENAMEClick(true); };
  menu("PCOPY_LZH").onClick = [this] { Tools->PCOPYClick(false, true); };
  menu("PIDO_LZH").onClick = [this] { Tools->PCOPYClick(true, true); };
  menu("PKILL_LZH").onClick = [this] { Tools->PKILLClick(true); };
}

#undef ITEM

void TZELCOR32ZUMIK::ShowPanel(ui::Panel& panel, bool on) {
  panel.setVisible(on);
  for (auto [bar, region] : splitters_)
    if (region == &panel) bar->setVisible(on);
  FormResize();
}

void TZELCOR32ZUMIK::Start1Click(ui::MenuItem& item) {
  // Ignored while another menu command or the settings restore runs.
  if (S.run.MenuBusy || S.run.RestoringSettings) return;
  flip(item);
}

void TZELCOR32ZUMIK::ToggleClick(ui::MenuItem& item) { flip(item); }

void TZELCOR32ZUMIK::HELP_MOKUJIClick() {
  const std::string problem = tools::OpenHelp(Sv.fs, Sv.shell, S.DataFolder);
  if (!problem.empty()) MKBoxDlg1.ShowTimed(problem, 1);
}

void TZELCOR32ZUMIK::help3Click() {
  flip(menu("help3"));
  app().setShowHints(S.settings.miniHelp);
}

void TZELCOR32ZUMIK::BackColorClick() {
  flip(menu("BackColor"));
  applyColours();
}

void TZELCOR32ZUMIK::applyColours() {
  // Standard colours, or the player's own soft blue-grey face.
  const bool standard = S.settings.standardColours;
  setColor(standard ? ui::kParentColor : 0xE8D8C8u);
}

void TZELCOR32ZUMIK::MHELP_VERCUTClick() {
  const int answer = MKBoxDlg1.AskYesNoTimed(
      "バージョン番号削除：\nインストールソフトを再起動させたい時に使います。\nなお、バージョンが違う時は、"
      "インストールソフトが自動起動するので、\nバージョン番号を削除する必要無しです。\n"
      "バージョン番号を削除してもよろしいですか？？？",
      6);
  if (answer == 6) {
    Sv.reg.writeString(platform::Hive::CurrentUser, core::kSettingsKey, "Version", "");
  } else {
    MKBoxDlg1.ShowTimed("バージョン番号削除を中止しました・・・", 1);
  }
}

void TZELCOR32ZUMIK::SSNClick(ui::MenuItem& item) {
  if (S.run.MenuBusy) return;
  flip(item);
  S.run.MenuBusy = true;
  app().processMessages();
  const bool namesOnly = S.settings.namesOnly;
  auto mirrorTag = [](ui::ItemList& from, ui::ItemList& to) {
    to.tag = from.tag < to.count() ? from.tag : -1;
    to.setItemIndex(to.tag);
  };
  if (MemoryViewShown()) {
    ListBox8.setVisible(namesOnly);
    ListBox2.setVisible(!namesOnly);
    ListBox9.setVisible(namesOnly && PanelGomi.visible());
    ListBox6.setVisible(!namesOnly);
  }
  if (namesOnly) {
    // The names-only mirrors follow the one display rule of the memory lists.
    Memory->RefreshNamesOnly();
    Memory->RefreshTrashNames();
    mirrorTag(ListBox2, ListBox8);
    mirrorTag(ListBox6, ListBox9);
  } else {
    mirrorTag(ListBox8, ListBox2);
    mirrorTag(ListBox9, ListBox6);
  }
  S.run.MenuBusy = false;
}

void TZELCOR32ZUMIK::Button9Click() {
  // Memory view: the memory panel takes the room under a shorter folder panel, so that
  // entries can still be dragged from the file list into the memory.
  PanelFF.setAlign(ui::Align::Top);
  PanelMemory.setVisible(true);
  Button9.setVisible(false);
  Button11.setVisible(true);
  const bool namesOnly = S.settings.namesOnly;
  ListBox2.setVisible(!namesOnly);
  ListBox8.setVisible(namesOnly);
  ListBox6.setVisible(!namesOnly);
  ListBox9.setVisible(namesOnly);
  // Start-up builds the names-only lists itself once the memory is loaded.
  if (namesOnly && !S.run.RestoringSettings) {
    Memory->RefreshNamesOnly();
    Memory->RefreshTrashNames();
  }
  Files->ActiveList = namesOnly ? &ListBox8 : &ListBox2;
  FormResize();
}

void TZELCOR32ZUMIK::Button11Click() {
  PanelMemory.setVisible(false);
  PanelFF.setAlign(ui::Align::Client);
  Button9.setVisible(true);
  Button11.setVisible(false);
  Files->ActiveList = &ListBox4;
  FormResize();
}

void TZELCOR32ZUMIK::Button6Click() {
  S.run.StopRequested = true;
  if (!S.run.ShutDown) close();
}

void TZELCOR32ZUMIK::makeFileTools() {
  tools::FileToolsLinks links;
  links.activeList = [this] { return Files->ActiveList; };
  links.listedFolder = [this] { return Files->ListedFolder; };
  links.chooseFolder = [this](const std::string& title, const std::string& start) -> std::optional<std::string> {
    DIR2OPENDLG1->Title = title;
    DIR2OPENDLG1->Directory = start.empty() ? Files->ListedFolder : start;
    DIR2OPENDLG1->StandardColor = S.settings.standardColours;
    const int result = DIR2OPENDLG1->Execute("");
    DIR2OPENDLG1->Title.clear();
    if (result != ui::kResultOk) return std::nullopt;
    return DIR2OPENDLG1->Directory;
  };
  links.listChanged = [this](bool fileList) {
    if (fileList) {
      HeaderControl1.setSection(0, files::FileHeaderCaption(ListBox4.count()));
      player_->FileListChanged();
    } else {
      Memory->ShowEntryCount();
      TrashBin->ShowTrashCount();
      player_->MemoryListChanged();
    }
  };
  links.cutSelected = [this](bool memory) {
    TrashBin->DeleteSelectedEntries(memory ? TrashBin->ShownMemoryList() : TrashBin->ShownTrashList());
  };
  tools::ArchiveEntryOps archive;
  archive.extract = [this](const std::string& lzh, const std::string& entry, const std::string& folder) {
    return Archives.ExtractToFolder(lzh, entry, folder);
  };
  archive.remove = [this](const std::string& lzh, const std::string& entry) {
    return Archives.DeleteArchiveEntry(lzh, entry);
  };
  archive.rename = [this](const std::string& lzh, const std::string& from, const std::string& to) {
    return Archives.RenameArchiveEntry(lzh, from, to);
  };
  Tools = std::make_unique<tools::FileTools>(fileToolsView(), S, Sv, MKBoxDlg1, app(), std::move(links),
                                             std::move(archive));
}

}  // namespace app

// The main window's controls, captions, hints and layout: the form description.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <iterator>

#include "app/Zelcoru.h"
#include "core/control_ids.h"
#include "tools/mp3_convert.h"
#include "app/history_link.h"
#include "app/schedule_link.h"
#include "files/file_list.h"
#include "files/D2OPENDLG.h"
#include "files/folders.h"
#include "memory/bulk_add.h"
#include "memory/drop.h"
#include "memory/memory_edit.h"
#include "memory/trash.h"
#include "memory/memory_lists.h"
#include "playback/cd_search.h"
#include "playback/playback.h"
#include "schedule/schedule_panel.h"
#include "tools/file_tools.h"

namespace app {

const char kWindowTitle[] = "Zelcor32 B-G-M";
const char kAppTitle[] = "Zelcor32";

#define MK(Type, name, parent) name(add<ui::Type>(parent, #name, ids::name))

TZELCOR32ZUMIK::TZELCOR32ZUMIK(ui::Application& app, Services& services, std::string dataFolder,
                               std::vector<std::string> params)
    : ui::Form(app, "ZELCOR32ZUMIK", "TZELCOR32ZUMIK"),
      Sv(services),
      MKBoxDlg1(app),
      TmSETBoxDlg1(app),
      TaskTray1(services.notifyArea),
      Archives(S, services.fs,
               {[&app] { app.processMessages(); }, [this] { return visible(); },
                [this](const std::string& t) { SetTitle(t); }, [&services] { return services.clock.tickMs(); }}),
      MK(Panel, PanelCommand, this),
      MK(Panel, PanelFF, this),
      MK(Panel, PanelMemory, this),
      MK(Panel, PanelKZ, this),
      MK(Panel, PanelKaKo, this),
      MK(Panel, PanelGomi, this),
      MK(Panel, Panel_JK, this),
      MK(Panel, Panel_JK_DISP, this),
      MK(Panel, PanelOPEN, this),
      MK(Panel, PanelBar, &PanelCommand),
      MK(Panel, PanelResume, &PanelBar),
      MK(Panel, Panel_MP3, &PanelCommand),
      MK(Panel, PanelCD, &PanelCommand),
      MK(Panel, Panel_M_EDIT, &PanelMemory),
      MK(Button, Button2, &PanelCommand),
      MK(Button, Button5, &PanelCommand),
      MK(Button, Button3, &PanelCommand),
      MK(Button, Button10, &PanelCommand),
      MK(Button, ButtonWait, &PanelCommand),
      MK(Button, ButtonTRAY, &PanelCommand),
      MK(Button, ButtonKZON, &PanelCommand),
      MK(Button, Button9, &PanelCommand),
      MK(Button, Button6, &PanelCommand),
      MK(Button, ButtonStop2, &PanelBar),
      MK(Button, ButtonResume, &PanelResume),
      MK(Button, ButtonRsumeINI, &PanelResume),
      MK(Button, Button13, &PanelFF),
      MK(Button, Button14, &PanelFF),
      MK(Button, ButtonKaka, &PanelFF),
      MK(Button, ButtonCD_Check, &PanelFF),
      MK(Button, Button7, &PanelMemory),
      MK(Button, Button11, &PanelMemory),
      MK(Button, Button_JK, &PanelMemory),
      MK(Button, Btn_M_EDIT, &PanelMemory),
      MK(Button, Button1, &PanelKZ),
      MK(StatusBar, StatusBar1, &PanelCommand),
      MK(StatusBar, StatusBar2, &PanelCommand),
      MK(ScrollBar, ScrollBar1, &PanelBar),
      MK(RadioGroup, RadioGroup1, &PanelCommand),
      MK(CheckBox, CheckBox1, &PanelCommand),
      MK(CheckBox, CB32, &PanelFF),
      MK(CheckBox, CheckBoxGomi, &PanelGomi),
      MK(ListBox, ListBox1, &PanelFF),
      MK(ListBox, ListBox2, &PanelMemory),
      MK(ListBox, ListBox3, &PanelFF),
      MK(ListBox, ListBox4, &PanelFF),
      MK(ListBox, ListBox6, &PanelGomi),
      MK(ListBox, ListBox8, &PanelMemory),
      MK(ListBox, ListBox9, &PanelGomi),
      MK(ListBox, ListBoxKaKo, &PanelKaKo),
      MK(ListBox, ListBox_JK, &Panel_JK),
      MK(ComboBox, ComboBox1, &PanelMemory),
      MK(ComboBox, ComboBox2, &PanelFF),
      MK(ComboBox, ComboBox_TM_Mode, &Panel_JK),
      MK(ComboBox, ComboBox_TM_SUB, &Panel_JK),
      MK(Edit, Edit1, &PanelFF),
      MK(Header, HeaderControl1, &PanelFF),
      MK(Header, HeaderFolder, &PanelFF),
      MK(TreeView, TreeView1, &PanelFF),
      MK(Label, LabelKaKo, &PanelKaKo),
      MK(Label, Label_JK_MODE, &Panel_JK),
      MK(Label, Label_JK_TM, &Panel_JK),
      MK(Label, Label_JK_KOSU, &Panel_JK),
      MK(Label, LabelGomiSASIN, &PanelGomi),
      MK(Label, Label_MFN_Kosu, &PanelMemory),
      Timer1(addTimer("Timer1", 500)),
      Timer2(addTimer("Timer2", 100)),
      Timer3(addTimer("Timer3", 1000)),
      Timer4(addTimer("Timer4", 100)),
      Timer5(addTimer("Timer5", 100)),
      Timer11(addTimer("Timer11", 100)),
      TimerCD_LOOP(addTimer("TimerCD_LOOP", 1000)),
      TimerSEEK(addTimer("TimerSEEK", 100)),
      TimerPlayStart(addTimer("TimerPlayStart", 100)),
      Timer_MP3_LOOP(addTimer("Timer_MP3_LOOP", 1000)),
      Timer_MP3_Start(addTimer("Timer_MP3_Start", 100)),
      Timer_Mini(addTimer("Timer_Mini", 500)),
      params_(std::move(params)) {
  S.DataFolder = std::move(dataFolder);
  buildControls();
  buildMenus();
  buildDesktopMenus();
  TaskTray1.owner = this;
  Files = std::make_unique<files::FileList>(fileListView(), S, Sv, MKBoxDlg1);
  AddSubsystem(Files.get());
  Folders = std::make_unique<files::Folders>(foldersView(), S, Sv, MKBoxDlg1, app, *Files);
  AddSubsystem(Folders.get());
  Folders->showPanel = [this](ui::Panel& panel, bool on) { ShowPanel(panel, on); };
  DIR2OPENDLG1 = std::make_unique<files::TDIR2OPENDLG>(
      app, files::ChooserServices{Sv.fs, Sv.drives, Sv.clock, S.DataFolder});
  Memory = std::make_unique<memory::MemoryLists>(memoryListsView(), S, Sv, app);
  AddSubsystem(Memory.get());
  historyLink_ = std::make_unique<MemoryHistorySink>(*Memory);
  player_ = std::make_unique<playback::Playback>(
      playbackView(), S, Sv, MKBoxDlg1, app,
      playback::PlaybackLinks{Files->ActiveList, Memory->RandomPool, *historyLink_,
                              [this] { return MemoryViewShown(); }, [this](const std::string& t) { SetTitle(t); },
                              [this] {
                                if (S.settings.startInTray && !InTray() && !S.run.ShutDown) EnterTray(true);
                              },
                              Archives});
  AddSubsystem(player_.get());
  MemEdit = std::make_unique<memory::MemoryEdit>(memoryEditView(), S, Sv, *Memory, MKBoxDlg1);
  TrashBin = std::make_unique<memory::Trash>(trashView(), S, Sv, *Memory, MKBoxDlg1, app);
  TrashBin->showPanel = [this](ui::Panel& panel, bool on) { ShowPanel(panel, on); };
  TrashBin->listActivated = [this](ui::ItemList& list) { Files->ActiveList = &list; };
  AddSubsystem(TrashBin.get());
  Drop = std::make_unique<memory::DragDrop>(dragDropView(), S, app, *TrashBin);
  Folders->deleteSelected = [this](ui::ItemList& list) { TrashBin->DeleteSelectedEntries(list); };
  Bulk = std::make_unique<memory::BulkAdd>(bulkAddView(), S, MKBoxDlg1, *Files, *Folders, *Memory);
  scheduleLink_ = std::make_unique<ScheduleLink>(*this);
  Schedule = std::make_unique<schedule::SchedulePanel>(schedulePanelView(), S, Sv, MKBoxDlg1, *scheduleLink_);
  AddSubsystem(Schedule.get());
  startSchedule = [this] { Schedule->StartRunner(); };
  buildMp3();
  ArchiveCmds = std::make_unique<archive::ArchiveCommands>(
      S, Sv, MKBoxDlg1, app, Archives,
      archive::ArchiveCommandsLinks{
          Files->ActiveList, ListBox4, ListBox2, ListBox8, Memory->ListBoxVM, ListBox6, ListBox9, TrashBin->ListBoxVG,
          [this](const std::vector<std::string>& entries, const std::vector<std::string>& values) {
            Memory->AppendShown(entries, INT_MAX);
            const int first = Memory->ListBoxVM.count() - static_cast<int>(values.size());
            for (std::size_t n = 0; n < values.size(); ++n) Memory->ListBoxVM.setItem(first + static_cast<int>(n), values[n]);
            Memory->ShowEntryCount();
            Memory->RandomPool = memory::FullPool(ListBox2.count());
            player_->MemoryListChanged();
          }});
  menu("PLZH0").onClick = [this] { ArchiveCmds->PLZH2Click(true); };
  menu("PLZH2").onClick = [this] { ArchiveCmds->PLZH2Click(false); };
  menu("PLZH1").onClick = [this] { ArchiveCmds->PLZH3Click(true); };
  menu("PLZH3").onClick = [this] { ArchiveCmds->PLZH3Click(false); };
  menu("PLZH4").onClick = [this] { ArchiveCmds->PLZH4Click(archive::ArchiveCommands::Viewer::ArchiveList); };
  menu("PBinary").onClick = [this] { ArchiveCmds->PLZH4Click(archive::ArchiveCommands::Viewer::Binary); };
  menu("PHTML").onClick = [this] { ArchiveCmds->PLZH4Click(archive::ArchiveCommands::Viewer::Html); };
  menu("P0DCUT").onClick = [this] { ArchiveCmds->PLZH4Click(archive::ArchiveCommands::Viewer::CrRemoval); };
  menu("PLZH_MEM_0").onClick = [this] { ArchiveCmds->PLZH_MEM_0Click(false); };
  menu("PLZH_MEM_1").onClick = [this] { ArchiveCmds->PLZH_MEM_0Click(true); };
  menu("PASHUKU").onClick = [this] { ArchiveCmds->PASHUKUClick(); };
  menu("PASHUKUALL").onClick = [this] { ArchiveCmds->PASHUKUALLClick(); };
  // The mark only decides the start-up; setting it brings the schedule panel into view.
  menu("MS_JK").onClick = [this] {
    flip(menu("MS_JK"));
    if (!S.settings.scheduleTimerOn) return;
    if (!MemoryViewShown()) Button9Click();
    if (!Panel_JK.visible()) Button_JK.click();
  };
  Files->fileListChanged = [this] { player_->FileListChanged(); };
  Bulk->memoryListChanged = [this] { player_->MemoryListChanged(); };
  TrashBin->memoryListChanged = [this] { player_->MemoryListChanged(); };
  makeFileTools();
  CdFinder = std::make_unique<playback::CdSearch>(
      playback::CdSearchView{PanelOPEN, menu("PCD_ALL"), menu("PCD_1"),
                             [this](ui::ItemList& list) { Files->ShowSelectedFile(list); }},
      *player_, *Memory);
  Memory->trackName = [this](const std::string& entry) { return player_->cd.TrackNameOfEntry(entry); };
}

#undef MK

TZELCOR32ZUMIK::~TZELCOR32ZUMIK() = default;

ui::MenuItem& TZELCOR32ZUMIK::menu(const char* name) {
  ui::MenuItem* m = findMenu(name);
  if (!m) throw std::logic_error(std::string("no menu item ") + name);
  return *m;
}

namespace {

template <class T>
T& extra(ui::Form& f, ui::Control* parent, const char* name, int id, const char* caption,
         const char* hint = "", bool visible = true) {
  T& c = f.add<T>(parent, name, id);
  c.setCaption(caption);
  c.setHint(hint);
  c.setVisible(visible);
  return c;
}

void captionHint(ui::Control& c, const char* caption, const char* hint = "") {
  c.setCaption(caption);
  c.setHint(hint);
}

}  // namespace

void TZELCOR32ZUMIK::buildControls() {
  setCaption("Zelcor32 ZELCOR32");
  setBounds(0, 0, 720, 480);
  setAcceptFiles(false);
  MKBoxDlg1.onCopy = [this](const std::string& text) { Sv.shell.setClipboardText(text); };

  // Command strip.
  PanelCommand.setBounds(0, 0, 720, 116);
  PanelCommand.setAlign(ui::Align::Bottom);
  captionHint(Button2, "再生", "再生開始");
  Button2.isDefault = true;
  captionHint(Button5, "中断", "再生を中断する");
  captionHint(Button3, "ＢＳ", "一個戻る");
  captionHint(Button10, "Ｓｋｉｐ", "一個進む");
  captionHint(ButtonWait, "Wait...");
  ButtonWait.setVisible(false);
  captionHint(ButtonTRAY, "Ｔｒａｙ", "タスクトレイに常駐する");
  captionHint(ButtonKZON, "設定", "属性／拡張子選択／ボリューム等の設定");
  captionHint(Button9, "ﾒﾓﾘｰ", "メモリー・ﾓｰﾄﾞにする");
  captionHint(Button6, "終了", "Zelcor３２を終了する");
  RadioGroup1.setItems({"連続", "逆連", "単独", "ﾗﾝﾀﾞﾑ"});
  RadioGroup1.columns = 4;
  RadioGroup1.setItemIndex(0);
  RadioGroup1.setHint("再生モードの選択");
  captionHint(CheckBox1, "無限", "エンドレスに再生する");
  CheckBox1.setChecked(true);
  StatusBar1.setHint("フォルダー名表示／再生終了時間（秒）／再生時間（秒）");
  StatusBar1.setPanelCount(3);
  StatusBar2.setHint("ファイル名／ファイルサイズ／日付時間　ファイル属性表示");
  StatusBar2.setPanelCount(4);
  PanelBar.setVisible(false);
  PanelBar.bevel = false;
  captionHint(ButtonStop2, "■", "一時停止");
  ScrollBar1.setHint("再生再開＆位置移動");
  PanelResume.setVisible(false);
  captionHint(ButtonResume, "再開", "再生再開");
  captionHint(ButtonRsumeINI, "*", "元に位置に戻す");
  Panel_MP3.setVisible(false);
  PanelCD.setVisible(false);

  // Folder mode.
  PanelFF.setAlign(ui::Align::Client);
  PanelFF.bevel = false;
  PanelFF.onResize = [this] { layoutFolderPanel(); };
  ComboBox2.setHint("ドライブの選択");
  HeaderFolder.setSections({"ツリー構造のフォルダー"});
  ListBox1.setVisible(false);
  ListBox3.setVisible(false);
  ListBox4.ownerDrawBoldSelection = true;
  ListBox4.multiSelect = true;
  ListBox4.tag = -1;
  HeaderControl1.setSections({"ファイル一覧"});
  captionHint(Button13, "ﾌｧｲﾙ名指定", "独自の検索条件を設定する");
  captionHint(Button14, "★");
  Edit1.setMaxLength(254);
  Edit1.setVisible(false);
  Button14.setVisible(false);
  captionHint(CB32, "ALL(*.*)");
  captionHint(ButtonKaka, "h");
  captionHint(ButtonCD_Check, "c");

  // Memory mode.
  PanelMemory.setAlign(ui::Align::Client);
  PanelMemory.setVisible(false);
  PanelMemory.bevel = false;
  PanelMemory.onResize = [this] { layoutMemoryPanel(); };
  ListBox2.multiSelect = true;
  ListBox2.tag = -1;
  ListBox8.setVisible(false);
  ListBox8.multiSelect = true;
  captionHint(Button7, "一括登録");
  // "検索中" takes "一括登録"'s place while a bulk add runs (the bulk add shows it).
  add<ui::Button>(&PanelMemory, "Button12", ids::Button12);
  captionHint(Button11, "閉じる", "メモリー・ﾓｰﾄﾞを終了する");
  Button11.setVisible(false);
  captionHint(Button_JK, "タイマー");
  captionHint(Btn_M_EDIT, "E");
  Panel_M_EDIT.setVisible(false);
  extra<ui::Edit>(*this, &Panel_M_EDIT, "Edit_M_EDIT", ids::Edit_M_EDIT, "").setBounds(4, 3, 200, 22);
  extra<ui::Button>(*this, &Panel_M_EDIT, "Btn_M_HENKO", ids::Btn_M_HENKO, "変更").setBounds(208, 2, 44, 24);
  extra<ui::Button>(*this, &Panel_M_EDIT, "Btn_M_NEW", ids::Btn_M_NEW, "新規").setBounds(254, 2, 44, 24);
  extra<ui::Button>(*this, &Panel_M_EDIT, "Btn_M_DEL", ids::Btn_M_DEL, "削除").setBounds(300, 2, 44, 24);
  extra<ui::Button>(*this, &Panel_M_EDIT, "Btn_M_CANCEL", ids::Btn_M_CANCEL, "戻る").setBounds(346, 2, 44, 24);
  extra<ui::Image>(*this, &PanelMemory, "Image1", ids::Image1, "").setIcon(ui::Image::Icon::Trash);

  // Settings panel: extension and attribute boxes.
  PanelKZ.setAlign(ui::Align::Right);
  PanelKZ.setBounds(0, 0, 176, 100);
  PanelKZ.setVisible(false);
  const std::pair<const char*, int> extBoxes[] = {{"CB13", ids::CB13}, {"CB14", ids::CB14}, {"CB15", ids::CB15},
                                                  {"CB37", ids::CB37}, {"CB38", ids::CB38}, {"CB39", ids::CB39},
                                                  {"CB30", ids::CB30}, {"CB40", ids::CB40}, {"CB41", ids::CB41}};
  const char* extCaptions[] = {"WAV", "MID", "RMI", "AIF?", "AU", "SND", "LZH", "CDA", "MP3"};
  for (int i = 0; i < 9; ++i) {
    auto& cb = extra<ui::CheckBox>(*this, &PanelKZ, extBoxes[i].first, extBoxes[i].second, extCaptions[i]);
    cb.setBounds(8 + (i % 3) * 54, 24 + (i / 3) * 22, 52, 20);
    ExtensionBoxes.push_back(&cb);
  }
  const std::pair<const char*, int> attrBoxes[] = {
      {"CB1", ids::CB1}, {"CB2", ids::CB2}, {"CB3", ids::CB3}, {"CB4", ids::CB4}, {"CB5", ids::CB5}};
  const char* attrCaptions[] = {"rd", "sys", "hid", "arc", "nor"};
  for (int i = 0; i < 5; ++i) {
    auto& cb = extra<ui::CheckBox>(*this, &PanelKZ, attrBoxes[i].first, attrBoxes[i].second, attrCaptions[i]);
    cb.setBounds(8 + (i % 3) * 54, 120 + (i / 3) * 22, 52, 20);
    AttributeBoxes.push_back(&cb);
  }
  extra<ui::Label>(*this, &PanelKZ, "LabelKZExt", 0, "拡張子").setBounds(8, 6, 150, 16);
  extra<ui::Label>(*this, &PanelKZ, "LabelKZAttr", 0, "属性").setBounds(8, 102, 150, 16);
  extra<ui::Label>(*this, &PanelKZ, "LabelWaveFormat", ids::LabelWaveFormat, "").setBounds(8, 172, 160, 32);
  captionHint(Button1, "閉じる");
  Button1.setBounds(94, 210, 70, 24);

  // Folder history, trash and schedule panels.
  PanelKaKo.setBounds(0, 0, 220, 100);
  PanelKaKo.setVisible(false);
  ListBoxKaKo.setBounds(4, 24, 212, 200);
  ListBoxKaKo.multiSelect = true;
  LabelKaKo.setBounds(4, 4, 100, 16);
  const char* kakoButtons[][3] = {{"ButtonKaKoCUT", "削除", "選択フォルダーを削除　（ﾏﾙﾁｾｹｸﾄ）"},
                                  {"ButtonKaKoALLCUT", "Clear", "すべて消す"},
                                  {"ButtonKaKoRESET", "戻す", "ここを開く直前のフォルダーに戻す"},
                                  {"ButtonKaKoOK", "閉じる", "この表示を閉じる"}};
  const int kakoIds[] = {ids::ButtonKaKoCUT, ids::ButtonKaKoALLCUT, ids::ButtonKaKoRESET, ids::ButtonKaKoOK};
  for (int i = 0; i < 4; ++i)
    extra<ui::Button>(*this, &PanelKaKo, kakoButtons[i][0], kakoIds[i], kakoButtons[i][1], kakoButtons[i][2])
        .setBounds(4 + i * 53, 230, 51, 24);
  PanelKaKo.onResize = [this] {
    const auto& b = PanelKaKo.bounds();
    ListBoxKaKo.setBounds(4, 24, b.width - 8, std::max(20, b.height - 58));
    for (const char* n : {"ButtonKaKoCUT", "ButtonKaKoALLCUT", "ButtonKaKoRESET", "ButtonKaKoOK"}) {
      ui::Control* c = findControl(n);
      c->setBounds(c->bounds().left, b.height - 30, 51, 24);
    }
  };

  PanelGomi.setBounds(0, 0, 220, 100);
  PanelGomi.setVisible(false);
  ListBox9.setVisible(false);
  ListBox9.multiSelect = true;
  ListBox6.multiSelect = true;
  ListBox6.tag = -1;
  LabelGomiSASIN.setCaption("CLR");
  LabelGomiSASIN.setVisible(false);
  LabelGomiSASIN.setBounds(180, 4, 36, 16);
  captionHint(CheckBoxGomi, "削除ﾎﾞﾀﾝON");
  CheckBoxGomi.setBounds(4, 4, 120, 18);
  const char* gomiButtons[][2] = {{"ButtonGomiCut", "削除"}, {"Button_GOMI_ALLCLR", "Clear"}, {"ButtonGomiOFF", "閉じる"}};
  const int gomiIds[] = {ids::ButtonGomiCut, ids::Button_GOMI_ALLCLR, ids::ButtonGomiOFF};
  for (int i = 0; i < 3; ++i)
    extra<ui::Button>(*this, &PanelGomi, gomiButtons[i][0], gomiIds[i], gomiButtons[i][1])
        .setBounds(4 + i * 70, 230, 66, 24);
  // The trash counts, its add/clear switch and the memory list's own delete button.
  extra<ui::Label>(*this, &PanelMemory, "Label7", ids::Label7, "0ｺ", "ゴミ箱に捨てた数");
  extra<ui::Label>(*this, &PanelGomi, "LabelGomiKosu2", ids::LabelGomiKosu2, "0ｺ", "捨てられたファイル数")
      .setBounds(130, 4, 48, 16);
  extra<ui::Label>(*this, &PanelGomi, "LabelGomiTUIKA", ids::LabelGomiTUIKA, "add", "ゴミをどんどん追加する")
      .setBounds(180, 4, 36, 16);
  extra<ui::Button>(*this, &PanelMemory, "ButtonMCut", ids::ButtonMCut, "削除",
                    "メモリーデータを直接削除する　（ﾏﾙﾁｾﾚｸﾄ）", false);
  PanelGomi.onResize = [this] {
    const auto& b = PanelGomi.bounds();
    for (auto* l : {&ListBox6, &ListBox9}) l->setBounds(4, 24, b.width - 8, std::max(20, b.height - 58));
    for (const char* n : {"ButtonGomiCut", "Button_GOMI_ALLCLR", "ButtonGomiOFF"}) {
      ui::Control* c = findControl(n);
      c->setBounds(c->bounds().left, b.height - 30, 66, 24);
    }
  };

  Panel_JK.setBounds(0, 0, 250, 100);  // placed by placeSchedulePanel
  Panel_JK.setVisible(false);
  ComboBox_TM_Mode.setItems({"毎日", "月-金", "毎週"});
  ComboBox_TM_Mode.setBounds(4, 4, 70, 22);
  ComboBox_TM_SUB.setBounds(78, 4, 120, 22);
  Label_JK_MODE.setCaption(core::kStoppedCaption);
  // The panel's other controls and their places are the schedule panel's own.

  Panel_JK_DISP.setAlign(ui::Align::Top);
  Panel_JK_DISP.setBounds(0, 0, 100, 20);
  Panel_JK_DISP.setVisible(false);

  PanelOPEN.setCaption(kWindowTitle);
  PanelOPEN.setFont(0x800000, true);

  // Hidden lists: the archive's random pool, volume lists, CD drives and archive entries.
  for (auto [name, id] : std::initializer_list<std::pair<const char*, int>>{
           {"ListBoxRL", ids::ListBoxRL},
           {"ListBoxVM", ids::ListBoxVM}, {"ListBoxVG", ids::ListBoxVG}, {"ListBoxVL", ids::ListBoxVL},
           {"ListBoxCD", ids::ListBoxCD}, {"ListBoxLZH", ids::ListBoxLZH}, {"ListBoxLZH_V", ids::ListBoxLZH_V}})
    extra<ui::ListBox>(*this, this, name, id, "", "", false);

  makeSplitter(this, "PanelKZV", ids::PanelKZV, PanelKZ);
  const char* const kakoHandles[] = {"PanelKKV", "PanelKKH", "PanelKKVSZ", "PanelKKHSZ"};
  const int kakoHandleIds[] = {ids::PanelKKV, ids::PanelKKH, ids::PanelKKVSZ, ids::PanelKKHSZ};
  makeFloating(kako_, kakoHandles, kakoHandleIds);
  const char* const gomiHandles[] = {"PanelGMV", "PanelGMH", "PanelGMVSZ", "PanelGMHSZ"};
  const int gomiHandleIds[] = {ids::PanelGMV, ids::PanelGMH, ids::PanelGMVSZ, ids::PanelGMHSZ};
  makeFloating(gomi_, gomiHandles, gomiHandleIds);
  // The command strip gives up whole rows (the status bars, the play bar, never its buttons)
  // to the lists above it: it keeps the height of rows nearest to where the bar was dropped.
  commandBar_ = &makeHandle(this, "PanelCMV", ids::PanelCMV, Handle::UpDown, [this](int, int dy) {
    ui::Rect b = PanelCommand.bounds();
    const int rows[] = {34, 64, 90, 116}, wanted = b.height - dy;
    b.height = *std::min_element(std::begin(rows), std::end(rows),
                                 [&](int x, int y) { return std::abs(x - wanted) < std::abs(y - wanted); });
    PanelCommand.setBounds(b);
    FormResize();
  });
  commandBar_->setAlign(ui::Align::Bottom);
  commandBar_->placeAfter(&PanelCommand);
  // In the memory view, the share of the folder panel above the memory list.
  folderBar_ = &makeHandle(this, "PanelFFH", ids::PanelFFH, Handle::UpDown, [this](int, int dy) {
    const int room = std::max(1, commandBar_->bounds().top - 4);
    folderShare_ = std::clamp((PanelFF.bounds().height + dy) * 1000 / room, 0, 1000);
    FormResize();
  });
  folderBar_->setAlign(ui::Align::Top);
  folderBar_->placeAfter(&PanelFF);
  auto folderColumn = [this](int dx, int) {
    folderColumnWidth_ += dx;
    layoutFolderPanel();
  };
  makeHandle(&PanelFF, "PanelFFV", ids::PanelFFV, Handle::Sideways, folderColumn);
  makeHandle(&PanelFF, "PanelFFVU", ids::PanelFFVU, Handle::Sideways, folderColumn);
  makeHandle(&PanelMemory, "PanelMMV", ids::PanelMMV, Handle::Sideways, [this](int dx, int) {
    trashColumnWidth_ = std::clamp(trashColumnWidth_ - dx, 56, std::max(56, PanelMemory.bounds().width - 120));
    layoutMemoryPanel();
  });
  makeHandle(&PanelMemory, "PanelMMVU", ids::PanelMMVU, Handle::Sideways, [this](int dx, int) {
    selectorWidth_ = ComboBox1.bounds().width + dx;
    layoutMemoryPanel();
  });

  PanelCommand.onResize = [this] { layoutCommandStrip(); };
  onResize = [this] { FormResize(); };
  layoutCommandStrip();
  FormResize();
}

ui::Panel& TZELCOR32ZUMIK::makeHandle(ui::Control* parent, const char* name, int id, Handle kind,
                                      std::function<void(int dx, int dy)> dragged) {
  ui::Panel& h = add<ui::Panel>(parent, name, id);
  h.setBounds(0, 0, 4, 4);
  if (kind == Handle::Grip)
    h.makeSizeGrip();
  else
    h.makeSplitter(nullptr, kind == Handle::Sideways);
  h.onDragged = std::move(dragged);
  return h;
}

void TZELCOR32ZUMIK::makeFloating(FloatingRegion& r, const char* const names[4], const int ids[4]) {
  // Each handle moves the edges it touches: the left edge, the bottom edge, both at the
  // bottom-left corner, the left and the top edge at the top-left corner.
  auto edges = [this, &r](int left, int top, int bottom) {
    return [this, &r, left, top, bottom](int dx, int dy) {
      const ui::Rect b = r.panel->bounds();
      r.width = b.width - left * dx;
      r.top = b.top + top * dy;
      r.height = b.height + bottom * dy - top * dy;
      placeFloating(r);
    };
  };
  r.left = &makeHandle(this, names[0], ids[0], Handle::Sideways, edges(1, 0, 0));
  r.bottom = &makeHandle(this, names[1], ids[1], Handle::UpDown, edges(0, 0, 1));
  r.bottomLeft = &makeHandle(this, names[2], ids[2], Handle::Grip, edges(1, 0, 1));
  r.topLeft = &makeHandle(this, names[3], ids[3], Handle::Grip, edges(1, 1, 0));
  for (ui::Panel* h : {r.left, r.bottom, r.bottomLeft, r.topLeft}) {
    h->setVisible(false);
    splitters_.emplace_back(h, r.panel);
  }
}

void TZELCOR32ZUMIK::placeFloating(FloatingRegion& r) {
  // Right of the lists, under nothing, above the command strip's bar.
  const ui::Control& lists = MemoryViewShown() ? static_cast<ui::Control&>(PanelMemory) : PanelFF;
  const int right = lists.bounds().right();
  const int room = commandBar_->bounds().top;
  constexpr int kGrip = 6, kSmallest = 60;
  const int width = std::clamp(r.width, kSmallest, std::max(kSmallest, right - kSmallest));
  const int top = std::clamp(r.top, 0, std::max(0, room - kSmallest - 4));
  const int height = std::clamp(r.height, std::min(kSmallest, room), std::max(0, room - top - 4));
  const int left = right - width;
  r.panel->setBounds(left, top, width, height);
  r.topLeft->setBounds(left - kGrip, top, kGrip, kGrip);
  r.left->setBounds(left - 4, top + kGrip, 4, std::max(0, height - kGrip));
  r.bottom->setBounds(left, top + height, width, 4);
  r.bottomLeft->setBounds(left - kGrip, top + height, kGrip, kGrip);
}

ui::Panel& TZELCOR32ZUMIK::makeSplitter(ui::Control* parent, const char* name, int id, ui::Panel& neighbour) {
  ui::Panel& bar = add<ui::Panel>(parent, name, id);
  bar.makeSplitter(&neighbour, true);
  bar.setBounds(0, 0, 4, 10);
  bar.setAlign(neighbour.align());
  bar.setVisible(neighbour.visible());
  bar.placeAfter(&neighbour);
  splitters_.emplace_back(&bar, &neighbour);
  return bar;
}

void TZELCOR32ZUMIK::layoutCommandStrip() {
  const int w = PanelCommand.bounds().width;
  Button2.setBounds(4, 4, 58, 26);
  Button5.setBounds(64, 4, 58, 26);
  Button3.setBounds(124, 4, 44, 26);
  Button10.setBounds(170, 4, 54, 26);
  ButtonWait.setBounds(4, 4, 220, 26);
  RadioGroup1.setBounds(230, 0, 232, 32);
  CheckBox1.setBounds(468, 9, 48, 18);
  // The panel buttons keep to the right edge.
  int x = std::max(520, w - 4 - (56 + 42 + 42 + 42 + 6));
  for (auto* b : {&ButtonTRAY, &ButtonKZON, &Button9, &Button6}) {
    const int bw = b == &ButtonTRAY ? 56 : 42;
    b->setBounds(x, 4, bw, 26);
    x += bw + 2;
  }
  PanelBar.setBounds(4, 36, w - 8, 26);
  ButtonStop2.setBounds(0, 2, 26, 22);
  ScrollBar1.setBounds(28, 0, std::max(10, w - 8 - 28), 26);
  PanelResume.setBounds(0, 0, 180, 26);
  ButtonResume.setBounds(0, 2, 50, 22);
  ButtonRsumeINI.setBounds(52, 2, 24, 22);
  Panel_MP3.setBounds(4, 36, w - 8, 26);
  PanelCD.setBounds(4, 36, w - 8, 26);
  StatusBar1.setBounds(0, 66, w, 24);
  StatusBar2.setBounds(0, 90, w, 24);
  // The status-bar panels share the strip's width.
  StatusBar1.setPanelWidth(0, w / 2);
  StatusBar1.setPanelWidth(1, w / 4);
  StatusBar1.setPanelWidth(2, w - w / 2 - w / 4);
  StatusBar2.setPanelWidth(0, w * 2 / 5);
  StatusBar2.setPanelWidth(1, w / 5);
  StatusBar2.setPanelWidth(2, w / 4);
  StatusBar2.setPanelWidth(3, w - w * 2 / 5 - w / 5 - w / 4);
}

void TZELCOR32ZUMIK::layoutFolderPanel() {
  const auto& b = PanelFF.bounds();
  folderColumnWidth_ = std::clamp(folderColumnWidth_, 60, std::max(60, b.width - 120));
  const int left = folderColumnWidth_;
  const int h = std::max(40, b.height);
  if (ui::Control* bar = findControl("PanelFFV")) bar->setBounds(left + 1, 30, 4, h - 30);
  if (ui::Control* bar = findControl("PanelFFVU")) bar->setBounds(left + 1, 0, 4, 30);
  ComboBox2.setBounds(4, 4, left - 4, 22);
  HeaderFolder.setBounds(4, 30, left - 4, 20);
  TreeView1.setBounds(4, 50, left - 4, h - 54);
  ListBox1.setBounds(4, 50, left - 4, h - 54);
  const int x = left + 6;
  const int rw = std::max(60, b.width - x - 4);
  int sx = x;
  Button13.setBounds(sx, 4, 78, 22);
  Edit1.setBounds(sx, 4, std::max(40, rw - 190), 22);
  Button14.setBounds(sx + std::max(40, rw - 190) + 2, 4, 22, 22);
  sx = x + rw - 140;
  CB32.setBounds(sx, 6, 80, 18);
  ButtonKaka.setBounds(sx + 84, 4, 24, 22);
  ButtonCD_Check.setBounds(sx + 112, 4, 24, 22);
  HeaderControl1.setBounds(x, 30, rw, 20);
  ListBox4.setBounds(x, 50, rw, h - 54);
  ListBox3.setBounds(x, 50, rw, h - 54);
}

void TZELCOR32ZUMIK::layoutMemoryPanel() {
  const auto& b = PanelMemory.bounds();
  const int w = std::max(200, b.width);
  const int h = std::max(60, b.height);
  const int selector = std::clamp(selectorWidth_ < 0 ? w - 320 : selectorWidth_, 60, std::max(60, w - 320));
  ComboBox1.setBounds(4, 4, selector, 22);
  if (ui::Control* bar = findControl("PanelMMVU")) bar->setBounds(selector + 5, 0, 4, 30);
  const int x = selector + 8;
  Btn_M_EDIT.setBounds(x, 3, 24, 24);
  Label_MFN_Kosu.setBounds(x + 28, 8, 56, 16);
  Button7.setBounds(x + 86, 3, 70, 24);
  Button_JK.setBounds(x + 158, 3, 70, 24);
  Button11.setBounds(x + 230, 3, 70, 24);
  Panel_M_EDIT.setBounds(4, 30, w - 8, 28);
  const int column = std::min(trashColumnWidth_, std::max(56, w - 120));
  ListBox2.setBounds(4, 30, w - column - 4, h - 34);
  ListBox8.setBounds(4, 30, w - column - 4, h - 34);
  if (ui::Control* bar = findControl("PanelMMV")) bar->setBounds(w - column, 30, 4, h - 34);
  // The trash icon and its count under it keep to the middle of their column.
  const int iconLeft = w - column + 4 + (column - 56) / 2;
  if (ui::Control* trash = findControl("Image1")) trash->setBounds(iconLeft, 30, 48, 48);
  if (ui::Control* count = findControl("Label7")) count->setBounds(iconLeft, 80, 48, 16);
  // The memory list's own delete button, shown while "削除ﾎﾞﾀﾝON" is ticked, under the count.
  if (ui::Control* cut = findControl("ButtonMCut")) cut->setBounds(iconLeft, 98, 48, 22);
}

void TZELCOR32ZUMIK::placeSchedulePanel() {
  // The schedule panel stands at the right over the file area and the memory panel, below the
  // folder panel's top row, down to the command strip: its list needs the height.
  const int top = PanelFF.bounds().top + 30;
  const int width = Panel_JK.bounds().width;
  Panel_JK.setBounds(std::max(0, bounds().width - width), top, width,
                     std::max(0, PanelCommand.bounds().top - top));
}

void TZELCOR32ZUMIK::FormResize() {
  // In the memory view the folder panel keeps two fifths of the height above the command strip.
  // The user can move that share with the bar under the folder panel.
  folderBar_->setVisible(MemoryViewShown());
  if (MemoryViewShown()) {
    ui::Rect b = PanelFF.bounds();
    const int room = std::max(0, bounds().height - PanelCommand.bounds().height - 8);
    b.height = std::clamp(room * folderShare_ / 1000, std::min(40, room), std::max(0, room - 40));
    PanelFF.setBounds(b);
  }
  realign();
  placeFloating(kako_);
  placeFloating(gomi_);
  placeSchedulePanel();
  // The banner covers the client area while start-up runs.
  PanelOPEN.setBounds(0, 0, bounds().width, bounds().height);
}

}  // namespace app

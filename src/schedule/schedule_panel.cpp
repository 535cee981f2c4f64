#include "schedule/schedule_panel.h"

#include <algorithm>

#include "base/path.h"
#include "core/control_ids.h"
#include "schedule/schedule_entry.h"
#include "tools/report.h"

namespace schedule {

namespace {


constexpr ui::Color kBlue = 0x00FF0000u, kRed = 0x000000FFu, kWhite = 0x00FFFFFFu;
constexpr const char* kSundayFirst[7] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr int kHours[4] = {0, 6, 12, 18};
constexpr int kMinutes[4] = {0, 15, 30, 45};

}  // namespace

// The window may already have made the control; a bare form has not.
template <class T>
T& Made(ui::Form& form, ui::Control* parent, const char* name, int id) {
  if (ui::Control* c = form.findControl(name)) return static_cast<T&>(*c);
  return form.add<T>(parent, name, id);
}

SchedulePanel::SchedulePanel(SchedulePanelView view, core::SharedState& state, core::Services& services,
                             dialogs::TMKBoxDlg& box, RunnerActions& actions)
    : Panel_TM_Mode(view.form.add<ui::Panel>(&view.Panel_JK, "Panel_TM_Mode", ids::Panel_TM_Mode)),
      Panel_DAY(view.form.add<ui::Panel>(&view.Panel_JK, "Panel_DAY", ids::Panel_DAY)),
      Label_JK_SH(view.form.add<ui::Label>(&view.Panel_JK, "Label_JK_SH", ids::Label_JK_SH)),
      Label_JK_SM(view.form.add<ui::Label>(&view.Panel_JK, "Label_JK_SM", ids::Label_JK_SM)),
      Label_YoBI(view.form.add<ui::Label>(&view.Panel_JK, "Label_YoBI", ids::Label_YoBI)),
      Label_TM_Mode(view.form.add<ui::Label>(&Panel_TM_Mode, "Label_TM_Mode", ids::Label_TM_Mode)),
      Label_TM_SUB(view.form.add<ui::Label>(&Panel_TM_Mode, "Label_TM_SUB", ids::Label_TM_SUB)),
      Label_JK_DISP_TM(view.form.add<ui::Label>(&view.Panel_JK_DISP, "Label_JK_DISP_TM", ids::Label_JK_DISP_TM)),
      Label_JK_DISP(view.form.add<ui::Label>(&view.Panel_JK_DISP, "Label_JK_DISP", ids::Label_JK_DISP)),
      SpinButton_JK_SH_Up(view.form.add<ui::Button>(&view.Panel_JK, "SpinButton_JK_SH_Up", ids::SpinButton_JK_SH_Up)),
      SpinButton_JK_SH_Down(view.form.add<ui::Button>(&view.Panel_JK, "SpinButton_JK_SH_Down", ids::SpinButton_JK_SH_Down)),
      SpinButton_JK_SM_Up(view.form.add<ui::Button>(&view.Panel_JK, "SpinButton_JK_SM_Up", ids::SpinButton_JK_SM_Up)),
      SpinButton_JK_SM_Down(view.form.add<ui::Button>(&view.Panel_JK, "SpinButton_JK_SM_Down", ids::SpinButton_JK_SM_Down)),
      Button_JK_ST(view.form.add<ui::Button>(&view.Panel_JK, "Button_JK_ST", ids::Button_JK_ST)),
      Button_JK_TMSET(view.form.add<ui::Button>(&view.Panel_JK, "Button_JK_TMSET", ids::Button_JK_TMSET)),
      Button_JK_TENSET(view.form.add<ui::Button>(&view.Panel_JK, "Button_JK_TENSET", ids::Button_JK_TENSET)),
      Button_JK_START(Made<ui::Button>(view.form, &view.Panel_JK, "Button_JK_START", ids::Button_JK_START)),
      Button_JK_STOP(Made<ui::Button>(view.form, &view.Panel_JK, "Button_JK_STOP", ids::Button_JK_STOP)),
      Button_JK_CLOSE(Made<ui::Button>(view.form, &view.Panel_JK, "Button_JK_CLOSE", ids::Button_JK_CLOSE)),
      Button_JK_DISP(view.form.add<ui::Button>(&view.Panel_JK_DISP, "Button_JK_DISP", ids::Button_JK_DISP)),
      Btn_DAY_HENSHU(Made<ui::Button>(view.form, &view.Panel_JK, "Btn_DAY_HENSHU", ids::Btn_DAY_HENSHU)),
      Btn_DAY_NEW(view.form.add<ui::Button>(&Panel_DAY, "Btn_DAY_NEW", ids::Btn_DAY_NEW)),
      Btn_DAY_HENKO(view.form.add<ui::Button>(&Panel_DAY, "Btn_DAY_HENKO", ids::Btn_DAY_HENKO)),
      Btn_DAY_DEL(view.form.add<ui::Button>(&Panel_DAY, "Btn_DAY_DEL", ids::Btn_DAY_DEL)),
      Btn_DAY_CANCEL(view.form.add<ui::Button>(&Panel_DAY, "Btn_DAY_CANCEL", ids::Btn_DAY_CANCEL)),
      RadioGroup_JK_ST(view.form.add<ui::RadioGroup>(&view.Panel_JK, "RadioGroup_JK_ST", ids::RadioGroup_JK_ST)),
      RadioGroup_JK_EN(view.form.add<ui::RadioGroup>(&view.Panel_JK, "RadioGroup_JK_EN", ids::RadioGroup_JK_EN)),
      Edit_DAY(view.form.add<ui::Edit>(&Panel_DAY, "Edit_DAY", ids::Edit_DAY)),
      PopupMenu_JK_H(view.form.addPopup("PopupMenu_JK_H")),
      PopupMenu_JK_M(view.form.addPopup("PopupMenu_JK_M")),
      PopupMenu_JK(view.form.addPopup("PopupMenu_JK")),
      Timer_JK(view.form.addTimer("Timer_JK", 1000)),
      v_(std::move(view)),
      S(state),
      Sv(services),
      box_(box),
      sets_(services.fs, state.DataFolder, state.settings),
      runner_(services.clock, actions) {
  layout();
  timePopup("PopupMenu_JK_H", ids::PopupMenu_JK_H_0, "現在時", kHours, Label_JK_SH, true);
  timePopup("PopupMenu_JK_M", ids::PopupMenu_JK_M_0, "現在分", kMinutes, Label_JK_SM, false);
  PopupMenu_JK.add("PJK_COPY", ids::PJK_COPY, "コピー (すべて)").onClick = [this] { PJK_COPYClick(); };
  PopupMenu_JK.add("PJK_PUT", ids::PJK_PUT, "貼り付け (追加)").onClick = [this] { PJK_PUTClick(); };
  PopupMenu_JK.add("PJK_COPY_DISP", ids::PJK_COPY_DISP, "コピーデータ表示").onClick = [this] { PJK_COPY_DISPClick(); };
  PopupMenu_JK.separator();
  PopupMenu_JK.add("PJK_CLR", ids::PJK_CLR, "選択削除").onClick = [this] { PJK_CLRClick(); };
  PopupMenu_JK.add("PJK_CLR_ALL", ids::PJK_CLR_ALL, "全部削除").onClick = [this] { PJK_CLR_ALLClick(); };
  PopupMenu_JK.separator();
  PopupMenu_JK.add("PJK_CANCEL", ids::PJK_CANCEL, "キャンセル");

  v_.Button_JK.onClick = Button_JK_DISP.onClick = [this] { Button_JKClick(); };
  Button_JK_CLOSE.onClick = [this] { Button_JK_CLOSEClick(); };
  v_.ComboBox_TM_Mode.onChange = [this] { ComboBox_TM_ModeChange(); };
  v_.ComboBox_TM_SUB.onChange = [this] { ComboBox_TM_SUBChange(); };
  Button_JK_TMSET.onClick = [this] { Button_JK_TMSETClick(); };
  Button_JK_TENSET.onClick = [this] { Button_JK_TENSETClick(); };
  SpinButton_JK_SH_Up.onClick = [this] { SpinHour(1); };
  SpinButton_JK_SH_Down.onClick = [this] { SpinHour(-1); };
  SpinButton_JK_SM_Up.onClick = [this] { SpinMinute(1); };
  SpinButton_JK_SM_Down.onClick = [this] { SpinMinute(-1); };
  Button_JK_ST.onClick = [this] { Button_JK_STClick(); };
  v_.ListBox_JK.onChange = [this] { ListBox_JKClick(); };
  v_.ListBox_JK.onRightButtonUp = [this] { ListBox_JKPopup(); };
  Label_JK_SH.onClick = [this] { v_.form.app().popupAtMouse(v_.form, PopupMenu_JK_H, 0, 0); };
  Label_JK_SM.onClick = [this] { v_.form.app().popupAtMouse(v_.form, PopupMenu_JK_M, 0, 0); };
  // A right click reaches a label in every window system; a left press only where labels notify.
  Label_JK_SH.popupMenu = &PopupMenu_JK_H;
  Label_JK_SM.popupMenu = &PopupMenu_JK_M;
  Btn_DAY_HENSHU.onClick = [this] { Btn_DAY_HENSHUClick(); };
  Btn_DAY_NEW.onClick = [this] { Btn_DAY_NEWClick(); };
  Btn_DAY_HENKO.onClick = [this] { Btn_DAY_HENKOClick(); };
  Btn_DAY_DEL.onClick = [this] { Btn_DAY_DELClick(); };
  Btn_DAY_CANCEL.onClick = [this] { Panel_DAY.setVisible(false); };
  Button_JK_START.onClick = [this] { StartRunner(); };
  Button_JK_STOP.onClick = [this] { StopRunner(); };
  Timer_JK.onTimer = [this] { Timer_JKTimer(); };
}

ui::MenuItem& SchedulePanel::timePopup(const char* name, int firstId, const char* nowCaption, const int values[4],
                                       ui::Label& label, bool hour) {
  ui::MenuItem& menu = *v_.form.findMenu(name);
  for (int i = 0; i < 5; ++i) {
    ui::MenuItem& item = menu.add(std::string(name) + "_" + std::to_string(i), firstId + i,
                                  i == 0 ? std::string(nowCaption) : TwoDigits(values[i - 1]));
    item.tag = i == 0 ? -1 : values[i - 1];
    item.onClick = [this, &item, &label, hour] {
      const std::string now = nowTime();
      label.setCaption(item.tag >= 0 ? TwoDigits(item.tag) : hour ? now.substr(0, 2) : now.substr(3, 2));
    };
  }
  return menu;
}

void SchedulePanel::layout() {
  Label_JK_SH.setBounds(4, 30, 22, 16);
  SpinButton_JK_SH_Up.setBounds(26, 28, 14, 10);
  SpinButton_JK_SH_Down.setBounds(26, 38, 14, 10);
  Label_JK_SM.setBounds(44, 30, 22, 16);
  SpinButton_JK_SM_Up.setBounds(66, 28, 14, 10);
  SpinButton_JK_SM_Down.setBounds(66, 38, 14, 10);
  Button_JK_ST.setBounds(84, 26, 30, 22);
  Button_JK_TMSET.setBounds(118, 26, 62, 22);
  Button_JK_TENSET.setBounds(184, 26, 62, 22);
  RadioGroup_JK_ST.setItems({"@ 連続", "G 逆連", "R ランダム"});
  RadioGroup_JK_ST.setBounds(4, 50, 118, 70);
  RadioGroup_JK_ST.setItemIndex(0);
  RadioGroup_JK_EN.setItems({"E 停止", "C 終了", "W WIN終了"});
  RadioGroup_JK_EN.setBounds(128, 50, 118, 70);
  RadioGroup_JK_EN.setItemIndex(0);
  v_.Label_JK_MODE.setBounds(4, 124, 48, 16);
  Label_YoBI.setBounds(54, 124, 30, 16);
  v_.Label_JK_TM.setBounds(86, 124, 120, 16);
  v_.Label_JK_KOSU.setBounds(206, 124, 40, 16);
  v_.Label_JK_TM.setVisible(false);
  Panel_TM_Mode.setBounds(0, 0, 250, 26);
  Label_TM_Mode.setBounds(4, 4, 70, 16);
  Label_TM_SUB.setBounds(78, 4, 120, 16);
  Panel_TM_Mode.setVisible(false);
  Panel_DAY.setBounds(0, 0, 250, 56);
  Edit_DAY.setBounds(4, 4, 242, 22);
  const char* dayCaptions[] = {"新規", "変更", "削除", "戻る"};
  ui::Button* day[] = {&Btn_DAY_NEW, &Btn_DAY_HENKO, &Btn_DAY_DEL, &Btn_DAY_CANCEL};
  for (int i = 0; i < 4; ++i) {
    day[i]->setCaption(dayCaptions[i]);
    day[i]->setBounds(4 + i * 61, 28, 57, 24);
  }
  Panel_DAY.setVisible(false);
  Button_JK_ST.setCaption("始>");
  Button_JK_TMSET.setCaption("開始登録");
  Button_JK_TENSET.setCaption("終了登録");
  for (ui::Button* b : {&SpinButton_JK_SH_Up, &SpinButton_JK_SM_Up}) b->setCaption("▲");
  for (ui::Button* b : {&SpinButton_JK_SH_Down, &SpinButton_JK_SM_Down}) b->setCaption("▼");
  Button_JK_DISP.setCaption("タイマー");
  Button_JK_START.setCaption("開始");
  Button_JK_STOP.setCaption("停止");
  Button_JK_CLOSE.setCaption("閉じる");
  Label_JK_DISP_TM.setBounds(2, 2, 100, 16);
  Label_JK_DISP.setBounds(104, 2, 200, 16);
  Button_JK_DISP.setBounds(306, 0, 70, 20);
  v_.Panel_JK_DISP.setCaption("");
  v_.Panel_JK.onResize = [this] {
    const auto& b = v_.Panel_JK.bounds();
    v_.ListBox_JK.setBounds(4, 144, b.width - 8, std::max(20, b.height - 178));
    for (ui::Button* c : {&Button_JK_START, &Button_JK_STOP, &Button_JK_CLOSE})
      c->setBounds(c->bounds().left, b.height - 30, 76, 24);
  };
  Button_JK_STOP.setBounds(4, 0, 76, 24);  // shares its place with "開始"
  Button_JK_STOP.setVisible(false);
  Button_JK_START.setBounds(4, 0, 76, 24);
  Button_JK_CLOSE.setBounds(168, 0, 76, 24);
  Label_JK_SH.setCaption("00");
  Label_JK_SM.setCaption("00");
}

std::string SchedulePanel::nowTime() {
  const platform::DateTime now = Sv.clock.now();
  return TwoDigits(now.hour) + ":" + TwoDigits(now.minute);
}

void SchedulePanel::showLines(const std::vector<std::string>& lines) {
  v_.ListBox_JK.setItems(lines);
  showCount();
}

void SchedulePanel::showCount() { v_.Label_JK_KOSU.setCaption(std::to_string(v_.ListBox_JK.count()) + "ｺ"); }

void SchedulePanel::showDay() {
  Label_YoBI.setCaption(std::string(kSundayFirst[Sv.clock.now().dayOfWeek % 7]) + "曜");
}

void SchedulePanel::restoreAtStart() {
  const int mode = S.settings.scheduleMode;
  filling_ = true;
  v_.ComboBox_TM_Mode.setItemIndex(mode);
  filling_ = false;
  fillSubItems(mode);
  showLines(sets_.LoadShownSet(mode, v_.ComboBox_TM_SUB.itemIndex()));
  showState();
  showDay();
}

void SchedulePanel::stopForGood() {
  Timer_JK.setEnabled(false);
  Timer_JK.setInterval(0);
}

void SchedulePanel::saveAtClose() { sets_.SaveShownSet(shownLines()); }

void SchedulePanel::Button_JKClick() {
  v_.showPanel(true);
  showDay();
  v_.Button_JK.setVisible(false);
  Button_JK_DISP.setVisible(false);
}

void SchedulePanel::Button_JK_CLOSEClick() {
  v_.showPanel(false);
  v_.Button_JK.setVisible(true);
  Button_JK_DISP.setVisible(true);
}

void SchedulePanel::fillSubItems(int mode) {
  Btn_DAY_HENSHU.setVisible(mode == kDaily);
  filling_ = true;
  v_.ComboBox_TM_SUB.setItems(sets_.SubItems(mode));
  v_.ComboBox_TM_SUB.setItemIndex(sets_.SubIndex(mode));
  filling_ = false;
}

void SchedulePanel::ComboBox_TM_ModeChange() {
  if (filling_) return;
  fillSubItems(std::max(0, v_.ComboBox_TM_Mode.itemIndex()));
  ComboBox_TM_SUBChange();
}

void SchedulePanel::ComboBox_TM_SUBChange() {
  if (filling_) return;
  sets_.SaveShownSet(shownLines());
  showLines(sets_.LoadShownSet(std::max(0, v_.ComboBox_TM_Mode.itemIndex()), v_.ComboBox_TM_SUB.itemIndex()));
}

void SchedulePanel::addEntry(const std::string& line) {
  std::vector<std::string> lines = shownLines();
  const std::string time = EntryTime(line);
  // The question never answers Yes by itself: an unattended box keeps the registered entry.
  if (FindEntryAt(lines, time) >= 0 && box_.AskYesNo(ReplaceQuestion(time)) != 6) return;
  const int at = PutEntry(lines, line);
  showLines(lines);
  v_.ListBox_JK.setItemIndex(at);
  if (!stopped()) StartRunner();
}

void SchedulePanel::Button_JK_TMSETClick() {
  addEntry(StartEntry(Label_JK_SH.caption() + ":" + Label_JK_SM.caption(),
                      StartKindLetter(RadioGroup_JK_ST.itemIndex()), S.settings.currentMemory));
}

void SchedulePanel::Button_JK_TENSETClick() {
  addEntry(EndEntry(Label_JK_SH.caption() + ":" + Label_JK_SM.caption(), EndKindLetter(RadioGroup_JK_EN.itemIndex())));
}

void SchedulePanel::SpinHour(int delta) { Label_JK_SH.setCaption(schedule::SpinHour(Label_JK_SH.caption(), delta)); }

void SchedulePanel::SpinMinute(int delta) {
  Label_JK_SM.setCaption(schedule::SpinMinute(Label_JK_SM.caption(), delta));
}

void SchedulePanel::Button_JK_STClick() {
  const std::string now = nowTime();
  Label_JK_SH.setCaption(now.substr(0, 2));
  Label_JK_SM.setCaption(now.substr(3, 2));
}

void SchedulePanel::ListBox_JKClick() {
  const int i = v_.ListBox_JK.itemIndex();
  if (i < 0) return;
  const std::string& line = v_.ListBox_JK.item(i);
  if (line.size() < 7) return;
  Label_JK_SH.setCaption(line.substr(0, 2));
  Label_JK_SM.setCaption(line.substr(3, 2));
  if (const int start = KindIndex(kStartKinds, line[6]); start >= 0) RadioGroup_JK_ST.setItemIndex(start);
  if (const int end = KindIndex(kEndKinds, line[6]); end >= 0) RadioGroup_JK_EN.setItemIndex(end);
}

void SchedulePanel::Btn_DAY_HENSHUClick() {
  Edit_DAY.setText(S.settings.dailySetName);
  Panel_DAY.setVisible(true);
}

void SchedulePanel::Btn_DAY_NEWClick() {
  if (const std::string error = sets_.NewDailySet(shownLines()); !error.empty()) {
    box_.ShowMessage(error);
    return;
  }
  showDailyNames();
  showLines({});
}

void SchedulePanel::Btn_DAY_HENKOClick() {
  if (const std::string error = sets_.RenameDailySet(Edit_DAY.text(), shownLines()); !error.empty()) {
    box_.ShowMessage(error);
    return;
  }
  showDailyNames();
  Panel_DAY.setVisible(false);
}

void SchedulePanel::Btn_DAY_DELClick() {
  if (const std::string error = sets_.DeleteDailySet(); !error.empty()) {
    box_.ShowMessage(error);
    return;
  }
  showDailyNames();
  showLines(sets_.LoadShownSet(kDaily, sets_.dailySetIndex()));
}

void SchedulePanel::showDailyNames() {
  // The names as the editor left them: a new set has no file yet, so the files are not listed again.
  filling_ = true;
  v_.ComboBox_TM_SUB.setItems(sets_.dailySetNames());
  v_.ComboBox_TM_SUB.setItemIndex(sets_.dailySetIndex());
  filling_ = false;
  Edit_DAY.setText(S.settings.dailySetName);
}

void SchedulePanel::ListBox_JKPopup() {
  // The sets cannot be edited while the runner works.
  if (!stopped()) return;
  const bool copied = Sv.fs.fileExists(S.DataFolder + kCopyFileName);
  v_.form.findMenu("PJK_COPY")->setEnabled(v_.ListBox_JK.count() > 0);
  v_.form.findMenu("PJK_PUT")->setEnabled(copied);
  v_.form.findMenu("PJK_COPY_DISP")->setEnabled(copied);
  v_.form.app().popupAtMouse(v_.form, PopupMenu_JK, 0, 0);
}

void SchedulePanel::PJK_COPYClick() { CopyEntries(Sv.fs, S.DataFolder, shownLines()); }

void SchedulePanel::PJK_COPY_DISPClick() {
  Sv.fs.setCurrentFolder(base::StripTrailingSlash(S.DataFolder));
  Sv.shell.run(tools::NotepadCommand(S.DataFolder + kCopyFileName));
}

void SchedulePanel::PJK_CLRClick() {
  for (int i = v_.ListBox_JK.count() - 1; i >= 0; --i)
    if (v_.ListBox_JK.selected(i) || v_.ListBox_JK.itemIndex() == i) v_.ListBox_JK.remove(i);
  showCount();
}

void SchedulePanel::PJK_CLR_ALLClick() {
  if (box_.AskYesNo("設定時刻を、すべて消しても、よろしいですか？？？") == 6) v_.ListBox_JK.clear();
  showCount();
}

void SchedulePanel::PJK_PUTClick() {
  std::vector<std::string> lines = shownLines();
  const int last = PasteCopiedEntries(Sv.fs, Sv.shell, Sv.clock, S.DataFolder, lines, v_.memorySelector.items());
  showLines(lines);
  if (last >= 0) v_.ListBox_JK.setItemIndex(last);
}

void SchedulePanel::StartRunner() {
  ui::Application& app = v_.form.app();
  app.setBusyCursor(true);
  Button_JK_START.setEnabled(false);
  app.processMessages();
  StopRunner();
  Panel_TM_Mode.setVisible(true);
  sets_.SaveShownSet(shownLines());
  const int mode = S.settings.scheduleMode;
  if (!runner_.Start(mode, BuildRunList(Sv.fs, S.DataFolder, mode, S.settings.dailySetName))) {
    Panel_TM_Mode.setVisible(false);
    app.setBusyCursor(false);
    box_.ShowMessage(kNoEntriesMessage);
    return;
  }
  followShownEntry();
  app.setBusyCursor(false);
}

void SchedulePanel::StopRunner() {
  Button_JK_STOP.setEnabled(false);
  runner_.Stop();
  showState();
  showDay();
  Button_JK_STOP.setEnabled(true);
}

void SchedulePanel::Timer_JKTimer() {
  const std::string shown = runner_.shownEntry();
  const RunnerState before = runner_.state();
  runner_.Tick();
  // A close event fired: nothing may tick again while the window closes.
  if (S.run.CloseRequested) {
    stopForGood();
    return;
  }
  if (runner_.shownEntry() != shown || runner_.state() != before) {
    followShownEntry();
  } else {
    Timer_JK.setInterval(runner_.interval());
  }
}

void SchedulePanel::followShownEntry() {
  const int sub = runner_.ShownSubIndex();
  if (sub >= 0 && sub != v_.ComboBox_TM_SUB.itemIndex()) {
    filling_ = true;
    v_.ComboBox_TM_SUB.setItemIndex(sub);
    filling_ = false;
    showLines(sets_.LoadShownSet(S.settings.scheduleMode, sub));
  }
  const std::string& entry = runner_.shownEntry();
  if (entry.size() > 6) v_.ListBox_JK.setItemIndex(FindEntryAt(shownLines(), entry.substr(1, 5)));
  showState();
  showDay();
}

void SchedulePanel::showState() {
  const RunnerState state = runner_.state();
  const bool on = state != RunnerState::Stopped;
  v_.Label_JK_MODE.setCaption(StateText(state));
  Label_JK_DISP_TM.setCaption(StateBarText(state));
  const ui::Color back = state == RunnerState::Waiting ? kBlue : state == RunnerState::Playing ? kRed : ui::kParentColor;
  for (ui::Label* l : {&v_.Label_JK_MODE, &Label_JK_DISP_TM}) {
    l->setColor(back);
    l->setFont(on ? kWhite : 0, false);
  }
  const std::string shown = runner_.ShownEntryText();
  v_.Label_JK_TM.setCaption(shown);
  Label_JK_DISP.setCaption(shown);
  v_.Label_JK_TM.setVisible(on);
  v_.Panel_JK_DISP.setVisible(on);
  Label_TM_Mode.setCaption(v_.ComboBox_TM_Mode.itemIndex() >= 0 ? v_.ComboBox_TM_Mode.item(v_.ComboBox_TM_Mode.itemIndex()) : "");
  Label_TM_SUB.setCaption(v_.ComboBox_TM_SUB.itemIndex() >= 0 ? v_.ComboBox_TM_SUB.item(v_.ComboBox_TM_SUB.itemIndex()) : "");
  Panel_TM_Mode.setVisible(on);
  // "開始" and "停止" share one place; the sets and the open memory stay as they are while it runs.
  Button_JK_START.setEnabled(true);
  Button_JK_START.setVisible(!on);
  Button_JK_STOP.setVisible(on);
  for (ui::Control* c : {static_cast<ui::Control*>(&Button_JK_TMSET), static_cast<ui::Control*>(&Button_JK_TENSET),
                         static_cast<ui::Control*>(&v_.memoryEdit)})
    c->setVisible(!on);
  v_.memoryClose.setEnabled(!on);
  Timer_JK.setInterval(runner_.interval());
  Timer_JK.setEnabled(on && runner_.interval() > 0);
}

}  // namespace schedule

#pragma once
// The schedule panel: the shown set with its mode and sub selectors, the time labels, the
// registration of start and end entries, the daily set editor, the panel's pop-up, and the
// runner shown on the panel and on the top bar, ticking on Timer_JK.
#include <functional>
#include <string>
#include <vector>

#include "core/services.h"
#include "core/shared_state.h"
#include "core/subsystem.h"
#include "dialogs/Mkdlg.h"
#include "schedule/schedule_runner.h"
#include "schedule/schedule_sets.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "ui/widgets.h"

namespace schedule {

// What the panel touches in the window. Controls the window does not have are made on form,
// on the panel.
struct SchedulePanelView {
  ui::Form& form;
  ui::Panel& Panel_JK;
  ui::ListBox& ListBox_JK;
  ui::ComboBox& ComboBox_TM_Mode;
  ui::ComboBox& ComboBox_TM_SUB;
  ui::Label& Label_JK_MODE;
  ui::Label& Label_JK_TM;
  ui::Label& Label_JK_KOSU;
  ui::Panel& Panel_JK_DISP;  // the top bar while the runner works
  ui::Button& Button_JK;     // "タイマー" beside the memory selector
  ui::ComboBox& memorySelector;  // the memory names a start entry may name
  ui::Button& memoryClose;       // the memory "閉じる", unavailable while the runner works
  ui::Button& memoryEdit;        // the memory edit button, hidden while the runner works
  std::function<void(bool)> showPanel;  // shows or hides Panel_JK in the window's layout
};

class SchedulePanel : public core::Subsystem {
 public:
  SchedulePanel(SchedulePanelView view, core::SharedState& state, core::Services& services,
                dialogs::TMKBoxDlg& box, RunnerActions& actions);

  // Subsystem: the shown set and selectors at start; the runner off and the shown set
  // written at close, so edits since the last save survive.
  void restoreAtStart() override;
  void stopForGood() override;
  void saveAtClose() override;

  // Handlers.
  void Button_JKClick();
  void Button_JK_CLOSEClick();
  void ComboBox_TM_ModeChange();
  void ComboBox_TM_SUBChange();
  void Button_JK_TMSETClick();
  void Button_JK_TENSETClick();
  void SpinHour(int delta);
  void SpinMinute(int delta);
  void Button_JK_STClick();
  void ListBox_JKClick();
  void Btn_DAY_HENSHUClick();
  void Btn_DAY_NEWClick();
  void Btn_DAY_HENKOClick();
  void Btn_DAY_DELClick();
  void ListBox_JKPopup();
  void PJK_COPYClick();
  void PJK_COPY_DISPClick();
  void PJK_CLRClick();
  void PJK_CLR_ALLClick();
  void PJK_PUTClick();
  // "開始", the start-up resume and an entry added while running: the shown set is saved and
  // the event in effect now applied (a close event only requests a stop here).
  void StartRunner();
  void StopRunner();
  void Timer_JKTimer();

  const ScheduleRunner& runner() const { return runner_; }

  // Controls made here, or found when the window made them (names as on the form).
  ui::Panel &Panel_TM_Mode, &Panel_DAY;
  ui::Label &Label_JK_SH, &Label_JK_SM, &Label_YoBI, &Label_TM_Mode, &Label_TM_SUB, &Label_JK_DISP_TM,
      &Label_JK_DISP;
  ui::Button &SpinButton_JK_SH_Up, &SpinButton_JK_SH_Down, &SpinButton_JK_SM_Up, &SpinButton_JK_SM_Down,
      &Button_JK_ST, &Button_JK_TMSET, &Button_JK_TENSET, &Button_JK_START, &Button_JK_STOP, &Button_JK_CLOSE,
      &Button_JK_DISP, &Btn_DAY_HENSHU, &Btn_DAY_NEW, &Btn_DAY_HENKO, &Btn_DAY_DEL, &Btn_DAY_CANCEL;
  ui::RadioGroup &RadioGroup_JK_ST, &RadioGroup_JK_EN;
  ui::Edit& Edit_DAY;
  ui::MenuItem &PopupMenu_JK_H, &PopupMenu_JK_M, &PopupMenu_JK;
  ui::Timer& Timer_JK;

 private:
  ui::MenuItem& timePopup(const char* name, int firstId, const char* nowCaption, const int values[4], ui::Label& label,
                          bool hour);
  void layout();
  std::string nowTime();
  std::vector<std::string> shownLines() const { return v_.ListBox_JK.items(); }
  void showLines(const std::vector<std::string>& lines);
  void showCount();
  void showDay();
  void fillSubItems(int mode);
  void showDailyNames();
  void addEntry(const std::string& line);
  void showState();
  void followShownEntry();
  bool stopped() const { return runner_.state() == RunnerState::Stopped; }

  SchedulePanelView v_;
  core::SharedState& S;
  core::Services& Sv;
  dialogs::TMKBoxDlg& box_;
  ScheduleSets sets_;
  ScheduleRunner runner_;
  bool filling_ = false;  // the selectors are being filled, not chosen
};

}  // namespace schedule

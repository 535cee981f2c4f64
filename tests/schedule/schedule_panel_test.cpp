// The schedule panel on a bare form: registering, the time labels, the selectors and the daily
// set editor, and the runner as the panel and Timer_JK show it.
#include "schedule/schedule_panel.h"

#include <gtest/gtest.h>

#include "base/date_time.h"
#include "base/line_file.h"
#include "dialogs/mk.h"
#include "fakes/fake_platform.h"

namespace {

using Lines = std::vector<std::string>;

struct SchedulePanelTest : ::testing::Test, fakes::FakeWorld, schedule::RunnerActions {
  ui::Form form{application, "Form", "TFORM"};
  core::SharedState state;
  dialogs::TMKBoxDlg box{application};
  ui::Panel& panel = form.add<ui::Panel>(nullptr, "Panel_JK", 1);
  ui::Panel& bar = form.add<ui::Panel>(nullptr, "Panel_JK_DISP", 2);
  ui::ListBox& list = form.add<ui::ListBox>(&panel, "ListBox_JK", 3);
  ui::ComboBox& mode = form.add<ui::ComboBox>(&panel, "ComboBox_TM_Mode", 4);
  ui::ComboBox& sub = form.add<ui::ComboBox>(&panel, "ComboBox_TM_SUB", 5);
  ui::Label& modeLabel = form.add<ui::Label>(&panel, "Label_JK_MODE", 6);
  ui::Label& next = form.add<ui::Label>(&panel, "Label_JK_TM", 7);
  ui::Label& count = form.add<ui::Label>(&panel, "Label_JK_KOSU", 8);
  ui::Button& timerButton = form.add<ui::Button>(nullptr, "Button_JK", 9);
  ui::ComboBox& memories = form.add<ui::ComboBox>(nullptr, "ComboBox1", 10);
  ui::Button& memoryClose = form.add<ui::Button>(nullptr, "Button11", 11);
  ui::Button& memoryEdit = form.add<ui::Button>(nullptr, "Btn_M_EDIT", 12);
  std::unique_ptr<schedule::SchedulePanel> jk;
  Lines calls, asked;
  int answer = 7;  // the answer given to every question

  void RequestStop() override { calls.push_back("stop"); }
  void PlayMemory(const std::string& memory, int playMode) override {
    calls.push_back("play " + memory + " " + std::to_string(playMode));
  }
  void CloseProgram(bool shutDownWindows) override { calls.push_back(shutDownWindows ? "close W" : "close"); }

  SchedulePanelTest() {
    state.DataFolder = "C:\\Z\\";
    state.settings.currentMemory = "m1";
    mode.setItems({"毎日", "月-金", "毎週"});
    memories.setItems({"m1", "m2"});
    application.onModalShown = [this](ui::Form& f) {
      auto& b = static_cast<dialogs::TMKBox&>(f);
      asked.push_back(b.MemoMsg.caption());
      (answer == 6 ? b.Btn_Yes : b.Btn_No).click();
    };
    at(0, 10, 0);  // Monday 2024-05-13 10:00
  }
  void start() {
    jk = std::make_unique<schedule::SchedulePanel>(
        schedule::SchedulePanelView{form, panel, list, mode, sub, modeLabel, next, count, bar, timerButton, memories,
                                    memoryClose, memoryEdit, [this](bool on) { panel.setVisible(on); }},
        state, services, box, *this);
    jk->restoreAtStart();
  }
  // Day 0 is a Monday; the loop's virtual time moves the clock from there.
  std::uint64_t base = 0;
  void at(int day, int hour, int minute) {
    base = base::FileTimeFromDateTime({2024, 5, 13 + day, hour, minute, 0, 0}) / 10'000 - loop.nowMs();
    clock.set(base::DateTimeFromFileTime((base + loop.nowMs()) * 10'000));
  }
  void runFor(std::uint64_t ms) {
    for (std::uint64_t end = loop.nowMs() + ms; loop.nowMs() < end;) {
      loop.advance(250);
      clock.set(base::DateTimeFromFileTime((base + loop.nowMs()) * 10'000));
    }
  }
  void register_(const char* hh, const char* mm, ui::Button& b) {
    jk->Label_JK_SH.setCaption(hh);
    jk->Label_JK_SM.setCaption(mm);
    b.click();
  }
  Lines file(const std::string& name) { return base::LoadLines(fs, state.DataFolder + name).value_or(Lines{"<none>"}); }
};

TEST_F(SchedulePanelTest, RegisteringATakenTimeAsksAndReplacesOnlyOnYes) {
  start();
  jk->RadioGroup_JK_ST.setItemIndex(2);
  register_("07", "30", jk->Button_JK_TMSET);
  register_("06", "00", jk->Button_JK_TENSET);
  EXPECT_EQ(list.items(), (Lines{"06:00 E", "07:30 R m1"}));
  EXPECT_TRUE(asked.empty());
  jk->RadioGroup_JK_EN.setItemIndex(1);
  register_("07", "30", jk->Button_JK_TENSET);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0], "07:30\r\nこのスタート時刻は、既に登録されています。\r\n書き換えても、よろしいですか？？？");
  EXPECT_EQ(list.items(), (Lines{"06:00 E", "07:30 R m1"}));
  answer = 6;
  register_("07", "30", jk->Button_JK_TENSET);
  EXPECT_EQ(list.items(), (Lines{"06:00 E", "07:30 C"}));
  EXPECT_EQ(list.itemIndex(), 1);
  EXPECT_EQ(count.caption(), "2ｺ");
}

TEST_F(SchedulePanelTest, TimeLabelsSpinRoundAndTakeMenuValuesAndSelectedLines) {
  start();
  at(0, 9, 5);
  struct Case {
    std::function<void()> act;
    const char* hour;
    const char* minute;
  } cases[] = {
      {[&] { register_("23", "00", jk->SpinButton_JK_SH_Up); }, "00", "00"},
      {[&] { jk->SpinButton_JK_SM_Down.click(); }, "00", "59"},
      {[&] { jk->SpinButton_JK_SM_Up.click(); }, "00", "00"},
      {[&] { jk->SpinButton_JK_SH_Down.click(); }, "23", "00"},
      {[&] { form.findMenu("PopupMenu_JK_H_3")->click(); }, "12", "00"},
      {[&] { form.findMenu("PopupMenu_JK_M_0")->click(); }, "12", "05"},
      {[&] { form.findMenu("PopupMenu_JK_H_0")->click(); }, "09", "05"},
      {[&] { register_("01", "02", jk->Button_JK_ST); }, "09", "05"},
  };
  for (auto& c : cases) {
    c.act();
    EXPECT_EQ(jk->Label_JK_SH.caption() + ":" + jk->Label_JK_SM.caption(), std::string(c.hour) + ":" + c.minute);
  }
  list.setItems({"06:15 G m2", "22:00 W"});
  list.userSelect(0);
  EXPECT_EQ(jk->Label_JK_SH.caption() + jk->Label_JK_SM.caption() + std::to_string(jk->RadioGroup_JK_ST.itemIndex()),
            "06151");
  list.userSelect(1);
  EXPECT_EQ(jk->Label_JK_SH.caption() + std::to_string(jk->RadioGroup_JK_EN.itemIndex()), "222");
}

TEST_F(SchedulePanelTest, ChangingTheSetSavesTheShownOneAndCloseWritesTheLastEdits) {
  state.settings.scheduleMode = 1;
  fs.addFile(state.DataFolder + "zelcor32f1.lis", "08:00 E\r\n");
  start();
  register_("07", "00", jk->Button_JK_TENSET);
  sub.userSelect(1);
  EXPECT_EQ(file("zelcor32f0.lis"), (Lines{"07:00 E"}));
  EXPECT_EQ(list.items(), (Lines{"08:00 E"}));
  mode.userSelect(2);
  EXPECT_EQ(sub.items().size(), 7u);
  EXPECT_EQ(state.settings.weekdaySetIndex, 1);
  register_("09", "00", jk->Button_JK_TENSET);
  jk->saveAtClose();
  EXPECT_EQ(file("zelcor32w0.lis"), (Lines{"09:00 E"}));
}

TEST_F(SchedulePanelTest, DailySetEditorMakesRenamesAndDeletesSets) {
  fs.addFile(state.DataFolder + "Work.day", "08:00 E\r\n");
  state.settings.dailySetName = "Work";
  start();
  EXPECT_TRUE(jk->Btn_DAY_HENSHU.visible());
  jk->Btn_DAY_HENSHU.click();
  jk->Btn_DAY_NEW.click();
  EXPECT_EQ(sub.items(), (Lines{"Work", "DAY000"}));
  EXPECT_EQ(jk->Edit_DAY.text(), "DAY000");
  EXPECT_EQ(list.count(), 0);
  jk->Edit_DAY.setText("WORK");
  jk->Btn_DAY_HENKO.click();
  EXPECT_EQ(asked.back(), "同名データが既に存在しています・・・\r\nWORK");
  jk->Edit_DAY.setText("Night");
  register_("23", "00", jk->Button_JK_TENSET);
  jk->Btn_DAY_HENKO.click();
  EXPECT_EQ(sub.items(), (Lines{"Work", "Night"}));
  EXPECT_EQ(file("Night.day"), (Lines{"23:00 E"}));
  EXPECT_FALSE(jk->Panel_DAY.visible());
  jk->Btn_DAY_DEL.click();
  EXPECT_EQ(sub.items(), (Lines{"Work"}));
  EXPECT_EQ(list.items(), (Lines{"08:00 E"}));
}

TEST_F(SchedulePanelTest, ClearAllAndPasteReportWhatTheyRefuse) {
  start();
  register_("05", "00", jk->Button_JK_TENSET);
  jk->PJK_CLR_ALLClick();
  EXPECT_EQ(list.count(), 1);
  jk->PJK_COPYClick();
  fs.addFile(state.DataFolder + "COPY_JK.TXT", "06:00 @ m2\r\n05:00 E\r\n7:30 E\r\n06:30 @ gone\r\n");
  jk->PJK_PUTClick();
  EXPECT_EQ(list.items(), (Lines{"05:00 E", "06:00 @ m2"}));
  ASSERT_EQ(shell.runs.size(), 1u);
  EXPECT_EQ(file("COPY_Er$.TXT").at(1), "3個、登録不能データがありました。");
  answer = 6;
  jk->PJK_CLR_ALLClick();
  EXPECT_EQ(count.caption(), "0ｺ");
}

TEST_F(SchedulePanelTest, RunnerShowsItsStateAndFiresTheNextEventOnTimer_JK) {
  fs.addFile(state.DataFolder + "zelcor32f0.lis", "09:00 @ m2\r\n10:02 E\r\n");
  state.settings.scheduleMode = 1;
  start();
  jk->Button_JK_START.click();
  EXPECT_EQ(calls, (Lines{"play m2 0"}));
  EXPECT_EQ(modeLabel.caption(), "実行中");
  EXPECT_EQ(modeLabel.color(), 0x000000FFu);
  EXPECT_EQ(jk->Label_JK_DISP.caption(), "MF09:00 @ m2");
  EXPECT_TRUE(bar.visible() && jk->Button_JK_STOP.visible() && !jk->Button_JK_START.visible());
  EXPECT_FALSE(memoryClose.enabled() || jk->Button_JK_TMSET.visible());
  EXPECT_TRUE(jk->Timer_JK.enabled());
  runFor(3 * 60 * 1000);
  EXPECT_EQ(calls, (Lines{"play m2 0", "stop"}));
  EXPECT_EQ(jk->Label_JK_DISP_TM.caption(), "タイマー待機中");
  EXPECT_EQ(modeLabel.color(), 0x00FF0000u);
  EXPECT_EQ(next.caption(), "MF09:00 @ m2");  // Tuesday's first event
  jk->Button_JK_STOP.click();
  EXPECT_EQ(modeLabel.caption(), "停止中");
  EXPECT_FALSE(bar.visible() || jk->Timer_JK.enabled());
  EXPECT_TRUE(memoryClose.enabled() && jk->Button_JK_START.visible());
  // An entry added while it runs restarts it with that entry in force.
  jk->Button_JK_START.click();
  register_("10", "04", jk->Button_JK_TMSET);
  EXPECT_EQ(calls.back(), "stop");
  EXPECT_EQ(next.caption(), "MF10:04 @ m1");
}

TEST_F(SchedulePanelTest, StartingWithoutEntriesSaysSoAndStaysStopped) {
  start();
  jk->Button_JK_START.click();
  EXPECT_EQ(asked, (Lines{"タイマー登録データがありません・・・"}));
  EXPECT_EQ(modeLabel.caption(), "停止中");
  EXPECT_TRUE(jk->Button_JK_START.enabled());
}

}  // namespace

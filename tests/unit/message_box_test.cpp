#include <gtest/gtest.h>

#include <utility>

#include "dialogs/Mkdlg.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "test_support.h"
#include "ui/headless_loop.h"

using testing_support::after;

namespace {

struct MessageBoxTest : ::testing::Test {
  ui::HeadlessLoop loop;
  ui::Application app{loop};
  dialogs::TMKBoxDlg box{app};
  MessageBoxTest() { app.setTitle("Zelcor32"); }
};

TEST_F(MessageBoxTest, UnansweredBoxReturnsItsDefaultWhenTheCountdownEnds) {
  for (int def : {6, 7}) {
    const auto start = loop.nowMs();
    EXPECT_EQ(box.AskYesNoTimed("再生しますか？", def), def);
    EXPECT_EQ(loop.nowMs() - start, 10000u);
  }
  // A count of its own, and zero, which closes on the first tick.
  for (auto [count, ms] : {std::pair{3, 3000u}, std::pair{0, 1000u}}) {
    box.TimerCount = count;
    const auto start = loop.nowMs();
    EXPECT_EQ(box.ShowTimed("メッセージ", 1), 1);
    EXPECT_EQ(loop.nowMs() - start, ms) << count;
  }
}

TEST_F(MessageBoxTest, PausedCountdownResumesFromTheShownValue) {
  std::string shownWhilePaused;
  app.onModalShown = [&](ui::Form&) {
    after(loop, 6000, [&] { box.current()->Btn_TM_STOP.click(); });
    after(loop, 60000, [&] {
      shownWhilePaused = box.current()->Label_TM.caption();
      EXPECT_TRUE(box.current()->Btn_TM_OPEN.visible());
      box.current()->Btn_TM_OPEN.click();
    });
  };
  EXPECT_EQ(box.AskYesNoTimed("?", 6), 6);
  EXPECT_EQ(shownWhilePaused, "4秒");
  EXPECT_EQ(loop.nowMs(), 64000u);
}

TEST_F(MessageBoxTest, UserAnswerWinsOverTheDefault) {
  app.onModalShown = [&](ui::Form&) { after(loop, 2000, [&] { box.current()->Btn_No.click(); }); };
  EXPECT_EQ(box.AskYesNoTimed("?", 6), 7);
  app.onModalShown = [&](ui::Form&) { after(loop, 100, [&] { box.current()->Btn_Abort.click(); }); };
  EXPECT_EQ(box.ShowError("失敗", 1), 3);
}

TEST_F(MessageBoxTest, WithoutCountdownTheBoxWaitsForTheUser) {
  box.Timer = false;
  app.onModalShown = [&](ui::Form& f) {
    EXPECT_FALSE(box.current()->Label_TM.visible());
    EXPECT_FALSE(box.current()->Label_Select.visible());
    after(loop, 3600 * 1000, [&] { box.current()->Btn_OK.click(); });
  };
  EXPECT_EQ(box.ShowTimed("待ちます", 1), 1);
  EXPECT_EQ(loop.nowMs(), 3600u * 1000u);
}

TEST_F(MessageBoxTest, EleventhNestedBoxIsRefused) {
  int depth = 0;
  int eleventh = -1;
  app.onModalShown = [&](ui::Form&) {
    ++depth;
    if (depth < 10) {
      loop.post([&] { box.ShowTimed("nested", 1); });
    } else {
      loop.post([&] { eleventh = box.ShowTimed("one too many", 1); });
    }
  };
  box.ShowTimed("first", 1);
  EXPECT_EQ(depth, 10);
  EXPECT_EQ(eleventh, 0);
  for (bool busy : box.B) EXPECT_FALSE(busy);
}

TEST_F(MessageBoxTest, LayoutShowsLinesMarkerAndCaption) {
  app.onModalShown = [&](ui::Form& f) {
    auto& b = *box.current();
    EXPECT_EQ(f.caption(), "Zelcor32");
    EXPECT_EQ(b.MemoMsg.caption(), "一行目\r\n二行目");
    // The marker frames the button the countdown will press.
    ASSERT_TRUE(b.Label_Select.visible());
    const auto& m = b.Label_Select.bounds();
    const auto& no = b.Btn_No.bounds();
    EXPECT_TRUE(m.left < no.left && m.right() > no.right() && m.top < no.top && m.bottom() > no.bottom());
    EXPECT_EQ(b.Label_Select.color(), 0x0000FFu);
    // The whole button row fits in the window.
    EXPECT_LE(b.Btn_TM_STOP.bounds().right(), f.bounds().width);
    b.Btn_Yes.click();
  };
  EXPECT_EQ(box.AskYesNoTimed("一行目\n二行目", 7), 6);
}

TEST_F(MessageBoxTest, CopyMenuHandsOverTheWholeText) {
  std::string copied;
  box.onCopy = [&](const std::string& t) { copied = t; };
  app.onModalShown = [&](ui::Form&) {
    box.current()->MemoMsg.popupMenu->find("Copy1")->click();
    box.current()->Btn_OK.click();
  };
  box.ShowMessage("a\nb");
  EXPECT_EQ(copied, "a\r\nb");
}

TEST(ColorButton, PushedLookDarkensTheFaceAndGreysTheFont) {
  auto look = ui::pushedLook(0x102040, 0);
  EXPECT_EQ(look.face, 0x000020u);
  EXPECT_EQ(look.font, 0x333333u);
  EXPECT_EQ(ui::pushedLook(0xFFFFFF, 0x0000FF).font, 0xDDDDDDu);
}

TEST(ListSelection, UserMultiSelectionKeepsEveryChosenEntryThroughEdits) {
  ui::HeadlessLoop loop;
  ui::Application app{loop};
  ui::Form form(app, "F", "TF");
  auto& list = form.add<ui::ListBox>(&form, "L", 1);
  list.multiSelect = true;
  list.setItems({"a", "b", "c", "d"});
  int changes = 0;
  list.onChange = [&] { ++changes; };
  list.userSelectMany({0, 2, 9}, 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(list.selCount(), 2);
  EXPECT_EQ(list.itemIndex(), 2);
  list.remove(1);  // "c" moves up and stays chosen
  EXPECT_TRUE(list.selected(0));
  EXPECT_TRUE(list.selected(1));
  EXPECT_FALSE(list.selected(2));
  EXPECT_EQ(list.itemIndex(), 1);
}

}  // namespace

// The line-input box: its history rules and where it opens.
#include <gtest/gtest.h>

#include <functional>

#include "dialogs/SNdlg.h"
#include "dialogs/placement.h"
#include "ui/headless_loop.h"

namespace {

using Lines = std::vector<std::string>;

struct InputBoxTest : ::testing::Test {
  ui::HeadlessLoop loop;
  ui::Application app{loop};
  dialogs::TSNBoxDlg dlg{app};
  std::function<void(dialogs::TSNBox&)> onBox;
  InputBoxTest() {
    app.setTitle("Zelcor32");
    app.onModalShown = [this](ui::Form& f) { onBox(static_cast<dialogs::TSNBox&>(f)); };
  }
};

TEST_F(InputBoxTest, RegisterNeedsTextAndTheEnteredTextMovesToTheTopOnce) {
  dlg.SN = {"A", "B", "C"};
  std::string caption, prompt;
  onBox = [&](dialogs::TSNBox& box) {
    caption = box.caption();
    prompt = box.Msg.caption();
    box.Button1.click();  // empty field: stays open
    EXPECT_EQ(box.modalResult(), ui::kResultNone);
    box.Edit1.userTyped("C");
    box.Button1.click();
  };
  EXPECT_EQ(dlg.Execute("圧縮ﾌｧｲﾙ名"), ui::kResultOk);
  EXPECT_EQ(caption, "Zelcor32");
  EXPECT_EQ(prompt, "圧縮ﾌｧｲﾙ名：");
  EXPECT_EQ(dlg.SNText, "C");
  EXPECT_EQ(dlg.SN, (Lines{"C", "A", "B"}));
}

TEST_F(InputBoxTest, TheGivenTextLeadsTheDropDownAndChoosingTheOnlyEntryKeepsIt) {
  dlg.SNText = "ABC";
  Lines offered;
  int selected = -1;
  onBox = [&](dialogs::TSNBox& box) {
    offered = box.ComboBox1.items();  // the list was empty: the text is its only entry
    box.Button3.click();
    EXPECT_TRUE(box.Panel1.visible());
    box.Edit1.userTyped("x");
    box.ComboBox1.userSelect(0);
    selected = box.ComboBox1.itemIndex();
    EXPECT_FALSE(box.Panel1.visible());
    EXPECT_EQ(box.Edit1.text(), "ABC");
    box.Button1.click();
  };
  EXPECT_EQ(dlg.Execute("p"), ui::kResultOk);
  EXPECT_EQ(offered, (Lines{"ABC"}));
  EXPECT_EQ(selected, 0);
  EXPECT_EQ(dlg.SN, (Lines{"ABC"}));
}

TEST_F(InputBoxTest, CancelStillReturnsTheTypedTextAndPutsItFirst) {
  dlg.SN = {"A", "B"};
  dlg.Title = "新規作成フォルダー名を入力して下さい☆";
  onBox = [&](dialogs::TSNBox& box) {
    EXPECT_EQ(box.caption(), "新規作成フォルダー名を入力して下さい☆");
    box.ComboBox1.userSelect(1);  // B chosen from the history, then given up
    box.Button2.click();
  };
  EXPECT_EQ(dlg.Execute("p"), ui::kResultAbort);
  EXPECT_EQ(dlg.SNText, "B");
  EXPECT_EQ(dlg.SN, (Lines{"B", "A"}));
}

TEST_F(InputBoxTest, OpensCentredOverItsOwnerAndInsideTheWorkArea) {
  ui::Form owner(app, "Owner", "TOwner");
  owner.setBounds(100, 100, 550, 295);
  EXPECT_EQ(dialogs::CentredOver(app, &owner, 350, 95), (ui::Rect{200, 200, 350, 95}));
  owner.setBounds(900, 650, 200, 100);  // near the bottom right corner
  EXPECT_EQ(dialogs::CentredOver(app, &owner, 350, 95), (ui::Rect{674, 643, 350, 95}));
}

}  // namespace

#include <gtest/gtest.h>

#include "app/DIR2SET.h"
#include "dialogs/mk.h"
#include "fakes/fake_platform.h"
#include "test_support.h"

namespace {

struct FolderDialogTest : ::testing::Test, fakes::FakeWorld {
  std::vector<std::string> messages;
  std::function<void(app::TDIR2SETForm&)> act;
  const bool answerYes = true;

  std::string run(const std::string& current) {
    testing_support::AnswerBoxesAtOnce(application, messages, answerYes, [this](ui::Form& f) {
      loop.post([this, &f] { act(static_cast<app::TDIR2SETForm&>(f)); });
    });
    app::TDIR2SETDLG dlg(application, fs, "C:\\WINDOWS\\");
    dlg.Title = "解凍先";
    dlg.DirName = "TMPLZH32";
    dlg.Directory = current;
    dlg.Execute();
    return dlg.Directory;
  }
};

TEST_F(FolderDialogTest, FirstChoiceCannotBeCancelled) {
  int attempts = 0;
  act = [&](app::TDIR2SETForm& d) {
    if (++attempts == 1) {
      d.ButtonCancel.click();  // refused: no folder yet
      loop.post([&] { act(d); });
    } else {
      d.Edit1.setText("C:\\NEW\\DEEP");
      d.ButtonSet.click();
    }
  };
  EXPECT_EQ(run(""), "C:\\NEW\\DEEP");
  ASSERT_GE(messages.size(), 3u);
  EXPECT_EQ(messages[0], "変更を中止します");
  EXPECT_EQ(messages[1], "データを登録しないと終了出来ません\n初期値を登録して下さい☆☆☆");
  EXPECT_EQ(messages[2], "フォルダーを作成します\nC:\\NEW\\DEEP");
  EXPECT_TRUE(fs.folderExists("C:\\NEW\\DEEP"));
}

TEST_F(FolderDialogTest, LaterChangeCanBeCancelled) {
  fs.addFolder("D:\\KEEP");
  act = [&](app::TDIR2SETForm& d) {
    EXPECT_EQ(d.Edit1.text(), "D:\\KEEP");
    d.ButtonCancel.click();
  };
  EXPECT_EQ(run("D:\\KEEP"), "D:\\KEEP");
}

TEST_F(FolderDialogTest, EmptyFieldAndFailedCreationKeepTheDialogOpen) {
  int step = 0;
  fs.failCreate("C:\\RO");
  act = [&](app::TDIR2SETForm& d) {
    ++step;
    if (step == 1) {
      d.Edit1.setText("");
      d.ButtonSet.click();
      loop.post([&] { act(d); });
    } else if (step == 2) {
      d.ButtonDefault.click();
      EXPECT_EQ(d.Edit1.text(), "C:\\ZUMIKT32\\TMPLZH32");
      d.ButtonSet.click();
    }
  };
  EXPECT_EQ(run(""), "C:\\ZUMIKT32\\TMPLZH32");
  EXPECT_EQ(messages.front(), "フォルダーを設定して下さい。");
  EXPECT_EQ(messages.back(), "[ C:\\ZUMIKT32\\TMPLZH32 ]\nフォルダーを登録しました");
}

}  // namespace

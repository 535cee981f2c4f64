// The folder chooser on the fake file system: where it opens, its file list, its filter,
// its back stack and its folder buttons.
#include <gtest/gtest.h>

#include <functional>

#include "dialogs/mk.h"
#include "fakes/fake_platform.h"
#include "files/D2OPENDLG.h"
#include "player_fixture.h"

namespace {

using Lines = std::vector<std::string>;

struct ChooserTest : ::testing::Test, fakes::FakeWorld {
  files::TDIR2OPENDLG dlg{application, {fs, drives, clock, "C:\\PROG\\"}};
  std::function<void(files::TDIR2VIEWForm&)> onChooser;
  std::string typedName;             // what the new-folder box is given
  std::vector<int> answers;          // Yes/No answers; none left: the countdown runs out
  Lines messages;

  ChooserTest() {
    application.setTitle("Zelcor32");
    drives.add('C', platform::DriveType::Fixed);
    drives.add('E', platform::DriveType::CdRom, false);
    fs.addFolder("C:\\PROG");
    application.onModalShown = [this](ui::Form& f) {
      if (f.windowClass() == "TDIR2VIEWForm") return onChooser(static_cast<files::TDIR2VIEWForm&>(f));
      if (f.windowClass() == "TSNBox") {
        auto& box = static_cast<dialogs::TSNBox&>(f);
        box.Edit1.userTyped(typedName);
        return box.Button1.click();
      }
      auto& box = static_cast<dialogs::TMKBox&>(f);
      std::string text = box.MemoMsg.caption();
      std::erase(text, '\r');
      messages.push_back(text);
      if (!box.Btn_Yes.visible()) return box.Btn_OK.click();
      if (answers.empty()) return;  // left to its countdown
      const int a = answers.front();
      answers.erase(answers.begin());
      (a == ui::kResultYes ? box.Btn_Yes : box.Btn_No).click();
    };
  }
  Lines column(files::TDIR2VIEWForm& f, int c) {
    Lines out;
    for (auto& r : f.ListView1.rows()) out.push_back(r.texts[c]);
    return out;
  }
};

TEST_F(ChooserTest, OpensTheNearestExistingAncestorElseTheProgramsFolder) {
  fs.addFolder("C:\\A");
  struct Case {
    std::string directory, initialDir, opened;
  } cases[] = {{"C:\\A\\GONE\\DEEPER", "", "C:\\A"},
               {"", "C:\\A", "C:\\A"},
               {"Q:\\NOWHERE", "", "C:\\PROG"},
               {"", "", "C:\\PROG"}};
  for (const Case& c : cases) {
    dlg.Directory = c.directory;
    dlg.InitialDir = c.initialDir;
    std::string opened, field;
    onChooser = [&](files::TDIR2VIEWForm& f) {
      opened = f.ChooserFolder;
      field = f.Edit_Folder.text();
      f.ColorBtn2.click();
    };
    EXPECT_EQ(dlg.Execute(""), ui::kResultAbort);
    EXPECT_EQ(opened, c.opened) << c.directory;
    EXPECT_EQ(field, c.opened);
    EXPECT_EQ(dlg.Directory, c.directory);  // a cancel leaves it
  }
}

TEST_F(ChooserTest, FileRowsAndColumnSorts) {
  fs.addFolder("C:\\M");
  fs.addFile("C:\\M\\b.wav", std::string(9, 'x'));
  fs.addFile("C:\\M\\a.wav", std::string(10, 'x'), platform::kAttrReadOnly | platform::kAttrArchive);
  fs.addFile("C:\\M\\c.mid", std::string(1234, 'x'), platform::kAttrHidden | platform::kAttrSystem);
  fs.addFolder("C:\\M\\SUB");
  dlg.Directory = "C:\\M";
  onChooser = [&](files::TDIR2VIEWForm& f) {
    EXPECT_EQ(f.ListView1.columns()[0].caption, "3ｺ　ファイル名");
    EXPECT_EQ(column(f, 0), (Lines{"a.wav", "b.wav", "c.mid"}));
    EXPECT_EQ(f.ListView1.rows()[2].texts, (Lines{"c.mid", "   1,234", "MID", "01/01/01 00:00:00 月", " SH "}));
    EXPECT_TRUE(f.ListView1.rows()[2].italic && f.ListView1.rows()[2].struckOut);
    EXPECT_EQ(f.ListView1.rows()[0].texts[4], "R  A");
    f.ListView1.userSelect(1);  // b.wav
    f.ListView1.userColumnClick(1);
    EXPECT_EQ(column(f, 0), (Lines{"b.wav", "a.wav", "c.mid"}));
    EXPECT_EQ(f.ListView1.selected(), 0);
    f.ListView1.userColumnClick(1);
    EXPECT_EQ(column(f, 0), (Lines{"c.mid", "a.wav", "b.wav"}));
    f.ListView1.userColumnClick(0);
    EXPECT_EQ(column(f, 0), (Lines{"c.mid", "b.wav", "a.wav"}));
    f.ColorBtn2.click();
  };
  dlg.Execute("");
}

TEST_F(ChooserTest, ASingleFilterPairAlsoOffersAllFiles) {
  fs.addFolder("C:\\M");
  fs.addFile("C:\\M\\a.wav", "x");
  fs.addFile("C:\\M\\b.txt", "x");
  dlg.Directory = "C:\\M";
  dlg.Filter = "WAV|*.wav";
  onChooser = [&](files::TDIR2VIEWForm& f) {
    EXPECT_EQ(f.ComboBox_KAKU.items(), (Lines{"WAV (*.wav)", "ALL files (*.*)"}));
    EXPECT_EQ(column(f, 0), (Lines{"a.wav"}));
    f.ComboBox_KAKU.userSelect(1);
    EXPECT_EQ(column(f, 0), (Lines{"a.wav", "b.txt"}));
    f.ColorBtn2.click();
  };
  dlg.Execute("");
  EXPECT_EQ(files::ParseChooserFilter("").captions, (Lines{"ALL files (*.*)"}));
}

TEST_F(ChooserTest, BackGoesThroughTheVisitedFoldersAndStopsAtTheBottom) {
  for (const char* f : {"C:\\A", "C:\\B", "C:\\C"}) fs.addFolder(f);
  dlg.Directory = "C:\\A";
  Lines seen;
  onChooser = [&](files::TDIR2VIEWForm& f) {
    EXPECT_FALSE(f.Button_HF.enabled());
    f.OpenFolder("C:\\B");
    f.OpenFolder("C:\\C");
    f.Button_HF.click();
    seen.push_back(f.ChooserFolder);
    EXPECT_TRUE(f.Button_HF.enabled());
    f.Button_HF.click();
    seen.push_back(f.ChooserFolder);
    EXPECT_FALSE(f.Button_HF.enabled());
    f.Button_BF.click();
    seen.push_back(f.ChooserFolder);
    f.Button_BF.click();  // the root has no parent
    seen.push_back(f.ChooserFolder);
    f.ColorBtn2.click();
  };
  dlg.Execute("");
  EXPECT_EQ(seen, (Lines{"C:\\B", "C:\\A", "C:\\", "C:\\"}));
}

TEST_F(ChooserTest, NewFolderIsNamedInTheInputBoxAndSetReturnsTheField) {
  dlg.Directory = "C:\\PROG";
  typedName = "表示";  // its second byte is a backslash
  onChooser = [&](files::TDIR2VIEWForm& f) {
    f.Button_NF.click();
    EXPECT_EQ(f.ChooserFolder, "C:\\PROG\\表示");
    EXPECT_EQ(f.Edit_Folder.text(), "C:\\PROG\\表示");
    f.Edit_Folder.userTyped("C:\\PROG\\表示\\");
    f.ColorBtn1.click();
  };
  EXPECT_EQ(dlg.Execute("フォルダーの参照"), ui::kResultOk);
  EXPECT_TRUE(fs.folderExists("C:\\PROG\\表示"));
  EXPECT_EQ(dlg.Directory, "C:\\PROG\\表示");
  EXPECT_EQ(files::ShortFolderPrompt("C:\\" + std::string(40, 'x')), "..." + std::string(36, 'x'));
  // Counted in characters: ten double-byte ones are ten, not twenty.
  EXPECT_EQ(files::ShortFolderPrompt("C:\\" + std::string(30, 'x') + std::string(20, '\x95') + "\\"),
            "..." + std::string(25, 'x') + std::string(20, '\x95') + "\\");
}

TEST_F(ChooserTest, DeleteRemovesOnlyAnEmptyFolderAndOnlyOnYes) {
  fs.addFolder("C:\\PROG\\FULL");
  fs.addFile("C:\\PROG\\FULL\\keep.wav", "x");
  fs.addFolder("C:\\PROG\\EMPTY");
  dlg.Directory = "C:\\PROG\\FULL";
  onChooser = [&](files::TDIR2VIEWForm& f) {
    answers = {ui::kResultYes};
    f.Button_DF.click();
    EXPECT_EQ(f.ChooserFolder, "C:\\PROG\\FULL");
    f.OpenFolder("C:\\PROG\\EMPTY");
    f.Button_DF.click();  // nobody answers: the countdown says No
    EXPECT_EQ(f.ChooserFolder, "C:\\PROG\\EMPTY");
    answers = {ui::kResultYes};
    f.Button_DF.click();
    EXPECT_EQ(f.ChooserFolder, "C:\\PROG");
    f.ColorBtn2.click();
  };
  dlg.Execute("");
  EXPECT_TRUE(fs.fileExists("C:\\PROG\\FULL\\keep.wav"));
  EXPECT_FALSE(fs.folderExists("C:\\PROG\\EMPTY"));
  EXPECT_EQ(messages, (Lines{"このフォルダーを削除します☆\nC:\\PROG\\FULL",
                             "フォルダーの削除に失敗しました・・・\nC:\\PROG\\FULL",
                             "このフォルダーを削除します☆\nC:\\PROG\\EMPTY",
                             "このフォルダーを削除します☆\nC:\\PROG\\EMPTY"}));
}

TEST_F(ChooserTest, DriveAndFolderErrorsKeepTheDialogOnAUsableFolder) {
  fs.addFolder("C:\\PROG\\SUB");
  dlg.Directory = "C:\\PROG";
  onChooser = [&](files::TDIR2VIEWForm& f) {
    f.ComboBoxDrive.userSelect(1);  // E: has no disc
    EXPECT_EQ(f.ComboBoxDrive.item(f.ComboBoxDrive.itemIndex()), "C:");
    // The tree leads to a folder that has gone meanwhile: nothing changes.
    fs.removeFolder("C:\\PROG\\SUB");
    f.OpenFolder("C:\\PROG\\SUB\\");
    EXPECT_EQ(f.ChooserFolder, "C:\\PROG");
    // In the flat list the nearest existing folder is opened instead.
    f.HeaderFolder.click();
    EXPECT_FALSE(f.treeShown());
    f.OpenFolder("C:\\PROG\\SUB\\");
    EXPECT_EQ(f.ChooserFolder, "C:\\PROG");
    EXPECT_EQ(f.ListBoxFolder.items(), (Lines{"C:\\", "  PROG"}));
    f.ColorBtn2.click();
  };
  dlg.Execute("");
  EXPECT_EQ(messages, (Lines{"ドライブ・エラー発生\nE\n元のドライブに戻します",
                             "フォルダー・エラー発生\nC:\\PROG\\SUB\n別のフォルダーを選択して下さい☆",
                             "フォルダー・エラー発生\nC:\\PROG\\SUB\\\nエラーを回避してみます。"}));
}

// The main window's folder commands: each goes through the folder-setting dialog, whose
// "参照" opens the chooser.
struct FolderCommandsTest : AnsweringPlayerTest {
  std::function<void(app::TDIR2SETForm&)> onSetting;
  std::function<void(files::TDIR2VIEWForm&)> onChooser;
  FolderCommandsTest() {
    onOtherForm = [this](ui::Form& f) {
      if (f.windowClass() == "TDIR2SETForm")
        return loop.post([this, &f] { onSetting(static_cast<app::TDIR2SETForm&>(f)); });
      onChooser(static_cast<files::TDIR2VIEWForm&>(f));
    };
  }
};

TEST_F(FolderCommandsTest, ChosenFoldersBecomeTheExtractionAndMp3FoldersAndMkFolderListsIt) {
  auto& w = start();
  std::string chooserStart, field;
  onChooser = [&](files::TDIR2VIEWForm& f) {
    chooserStart = f.ChooserFolder;
    f.Edit_Folder.userTyped("D:\\解凍表示\\");
    f.ColorBtn1.click();
  };
  onSetting = [&](app::TDIR2SETForm& d) {
    d.ButtonBrowse.click();
    field = d.Edit1.text();
    d.ButtonSet.click();  // the missing folder is created after a question
  };
  w.menu("TEMPLZH1").click();
  EXPECT_EQ(chooserStart, "D:\\TEMPLZH");
  EXPECT_EQ(field, "D:\\解凍表示");
  EXPECT_EQ(w.S.settings.extractFolder, "D:\\解凍表示\\");

  onSetting = [&](app::TDIR2SETForm& d) {
    d.Edit1.setText("C:\\MP3");
    d.ButtonSet.click();
  };
  w.menu("P_MP3_DIR").click();
  EXPECT_EQ(w.S.settings.mp3SaveFolder, "C:\\MP3\\");

  ASSERT_TRUE(fs.removeFolder("D:\\解凍表示"));
  w.menu("MK_FOLDER").click();
  EXPECT_TRUE(fs.folderExists("D:\\解凍表示"));
  EXPECT_EQ(w.S.settings.folderPath, "D:\\解凍表示");
  w.S.settings.extractFolder = "Q:\\NO\\DRIVE\\";
  w.menu("MK_FOLDER").click();
  EXPECT_EQ(messages.back(), "フォルダーエラー");

  w.S.settings.extractFolder = "D:\\解凍表示\\";
  w.close();
  EXPECT_EQ(get("TEMPLZH"), "D:\\解凍表示");
  EXPECT_EQ(get("SND_DIR"), "C:\\MP3\\");
}

}  // namespace

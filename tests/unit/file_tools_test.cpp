// Rename, copy, move and delete on the selected rows, and the text tools, on a bare form
// with just their lists, the fake file system and the virtual clock.
#include <gtest/gtest.h>

#include "archive/archive_access.h"
#include "base/line_file.h"
#include "fakes/lha_unlha.h"
#include "ui/application.h"
#include "fakes/fake_platform.h"
#include "test_support.h"
#include "tools/file_tools.h"

namespace {

using tools::TRENAMEBox;

struct FileToolsTest : ::testing::Test, fakes::FakeWorld {
  core::SharedState S;
  dialogs::TMKBoxDlg box{application};
  std::vector<std::string> messages;
  bool answerYes = true;
  ui::Form form{application, "Tools", "TTools"};
  ui::ListBox& list(const char* name) {
    auto& l = form.add<ui::ListBox>(nullptr, name, 0);
    l.multiSelect = true;
    return l;
  }
  ui::ListBox &ListBox4 = list("ListBox4"), &ListBox2 = list("ListBox2"), &ListBox8 = list("ListBox8"),
              &ListBoxVM = list("ListBoxVM"), &ListBox6 = list("ListBox6"), &ListBox9 = list("ListBox9"),
              &ListBoxVG = list("ListBoxVG");
  ui::ComboBox& ComboBox2 = form.add<ui::ComboBox>(nullptr, "ComboBox2", 0);
  ui::ItemList* active = &ListBox4;
  std::optional<std::string> chosen = "C:\\OUT";
  std::vector<bool> changed;  // listChanged calls: true for the file list
  std::function<void(TRENAMEBox&)> onRename;
  fakes::LhaUnlhaLoader library{fs};
  archive::ArchiveAccess archives{S, fs, {[] {}, [] { return false; }, [](const std::string&) {}, [] { return std::uint64_t{0}; }}};
  tools::FileTools tools{{ListBox4, ListBox2, ListBox8, ListBoxVM, ListBox6, ListBox9, ListBoxVG, ComboBox2},
                         S,
                         services,
                         box,
                         application,
                         {[this] { return active; }, [] { return std::string("C:\\MUSIC"); },
                          [this](const std::string&, const std::string&) { return chosen; },
                          [this](bool fileList) { changed.push_back(fileList); }, {}},
                         {[this](const std::string& a, const std::string& e, const std::string& f) {
                            return archives.ExtractToFolder(a, e, f);
                          },
                          [this](const std::string& a, const std::string& e) { return archives.DeleteArchiveEntry(a, e); },
                          [this](const std::string& a, const std::string& from, const std::string& to) {
                            return archives.RenameArchiveEntry(a, from, to);
                          }}};
  static constexpr const char* kSongs = "C:\\MUSIC\\SONGS.LZH";

  FileToolsTest() {
    fs.addFolder("C:\\ZELCOR");
    fs.addFolder("C:\\MUSIC");
    fs.addFolder("C:\\OUT");
    S.DataFolder = "C:\\ZELCOR\\";
    S.PopFolder = "C:\\ZELCOR\\LZH_POPM\\";
    fs.addFolder(S.PopFolder);
    archives.setLibrary(&library);
    testing_support::AnswerBoxesAtOnce(application, messages, answerYes,
                                       [this](ui::Form& f) { onRename(static_cast<TRENAMEBox&>(f)); });
  }
  void files(std::initializer_list<const char*> names) {
    for (const char* n : names) {
      fs.addFile(std::string("C:\\MUSIC\\") + n, n, platform::kAttrArchive, 130000000000000000ull);
      ListBox4.add(n);
    }
    ListBox4.selectAll();
  }
  // Memory rows with their names-only view and value list, all selected.
  void memory(std::initializer_list<const char*> rows) {
    S.settings.namesOnly = true;
    for (const char* r : rows) {
      ListBox2.add(r);
      ListBox8.add("name");
      ListBoxVM.add("/1/");
    }
    ListBox8.selectAll();
    active = &ListBox8;
  }
  // SONGS.LZH of A.WAV, B.WAV and C.WAV, with memory rows naming the given entries.
  void songs(std::initializer_list<const char*> entries) {
    fakes::MakeArchive(fs, kSongs, {{"A.WAV", "a"}, {"B.WAV", "b"}, {"C.WAV", "c"}});
    ListBox2.clear();
    ListBox8.clear();
    ListBoxVM.clear();
    for (const char* e : entries) memory({(std::string("/") + kSongs + "/" + e).c_str()});
  }
  std::vector<std::string> entriesLeft() {
    std::vector<std::string> names;
    archives.ListArchiveEntries(kSongs, names);
    return names;
  }
  bool extractionFolderEmpty() { return fs.list(S.PopFolder, "*.*").empty(); }
  std::string last() const { return messages.empty() ? "" : messages.back(); }
  // The rename dialog answered with this name and OK.
  void renameTo(const std::string& name) {
    onRename = [name](TRENAMEBox& d) {
      d.EditNewName.setText(name);
      d.Button1.click();
    };
  }
};

// --- the rename dialog ---

TEST_F(FileToolsTest, NumberedNameClampsTheDigitCountAndNeverCutsTheNumber) {
  struct Case {
    const char *digits, *number, *shownDigits, *name;
    bool complaint;
  } cases[] = {
      {"12", "7", "9", "ReName000000007.wav", false}, {"-3", "7", "1", "ReName7.wav", false},
      {"x", "7", "1", "ReName7.wav", true},           {"0", "7", "0", "ReName7.wav", false},
      {"3", "1234", "3", "ReName1234.wav", false},
  };
  fs.addFile("C:\\MUSIC\\SONG.WAV", "x");
  for (const Case& c : cases) {
    messages.clear();
    std::string shownDigits, name;
    onRename = [&](TRENAMEBox& d) {
      d.ColorBtn1.click();
      d.Edit_KETA.setText(c.digits);
      d.Edit_Auto_No.userTyped(c.number);
      shownDigits = d.Edit_KETA.text();
      name = d.EditNewName.text();
      d.Button2.click();
    };
    EXPECT_EQ(tools.ReNameBoxDlg1.Execute("C:\\MUSIC\\SONG.WAV"), ui::kResultCancel);
    EXPECT_EQ(shownDigits, c.shownDigits) << c.digits;
    EXPECT_EQ(name, c.name) << c.digits << " " << c.number;
    EXPECT_EQ(!messages.empty() && messages[0].find("桁数が不正です・・・") != std::string::npos, c.complaint);
    tools.ReNameBoxDlg1.AutoRename0 = false;  // back to the mode chooser for the next case
  }
}

TEST_F(FileToolsTest, ExtensionModeCutsAtTheFirstDotAndRenamesOnDisk) {
  fs.addFile("C:\\MUSIC\\a.b.wav", "x");
  onRename = [](TRENAMEBox& d) {
    d.ButtonAuto_Kaku.click();
    d.Edit2.userTyped("mp3");
    d.Button1.click();
  };
  ASSERT_EQ(tools.ReNameBoxDlg1.Execute("C:\\MUSIC\\a.b.wav"), ui::kResultOk);
  EXPECT_EQ(tools.ReNameBoxDlg1.NewName, "C:\\MUSIC\\a.mp3");
  EXPECT_TRUE(fs.fileExists("C:\\MUSIC\\a.mp3"));
  EXPECT_FALSE(fs.fileExists("C:\\MUSIC\\a.b.wav"));
}

TEST_F(FileToolsTest, OkRefusesANameThatIsTakenAndStaysOpen) {
  fs.addFile("C:\\MUSIC\\A.WAV", "a");
  fs.addFolder("C:\\MUSIC\\B.WAV");
  bool stayed = false;
  onRename = [&](TRENAMEBox& d) {
    d.EditNewName.setText("B.WAV");
    d.Button1.click();
    stayed = d.modalResult() == ui::kResultNone;
    d.Button4.click();
  };
  EXPECT_EQ(tools.ReNameBoxDlg1.Execute("C:\\MUSIC\\A.WAV"), ui::kResultAbort);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(messages.at(0), "リネームエラー：\n同名ファイル、又は、同名フォルダーが存在します・・・\nC:\\MUSIC\\B.WAV");
  EXPECT_TRUE(fs.fileExists("C:\\MUSIC\\A.WAV"));
}

TEST_F(FileToolsTest, ALongNameWidensTheDialogToShowItWhole) {
  const std::string name = std::string(70, 'n') + ".wav";
  fs.addFile("C:\\MUSIC\\" + name, "x");
  int dialog = 0, field = 0;
  onRename = [&](TRENAMEBox& d) {
    dialog = d.bounds().width;
    field = d.EditNewName.bounds().width;
    d.Button2.click();
  };
  tools.ReNameBoxDlg1.Execute("C:\\MUSIC\\" + name);
  EXPECT_GE(field, 74 * 7);
  EXPECT_EQ(dialog - field, 460 - 330);  // the dialog grew with the field
}

// --- the rename batch ---

TEST_F(FileToolsTest, NumberedBatchWithOneSkipUsesFiveAndSixAndLeavesSeven) {
  files({"A.WAV", "B.WAV", "C.WAV"});
  S.settings.autoNo = 5;
  tools.ReNameBoxDlg1.AutoRename0 = true;  // numbered mode, as the last dialog was left
  int shown = 0;
  onRename = [&](TRENAMEBox& d) { (++shown == 2 ? d.Button2 : d.Button1).click(); };
  tools.PRENAMEClick();
  EXPECT_EQ(ListBox4.items(), (std::vector<std::string>{"ReName005.wav", "B.WAV", "ReName006.wav"}));
  EXPECT_TRUE(fs.fileExists("C:\\MUSIC\\ReName006.wav"));
  EXPECT_TRUE(fs.fileExists("C:\\MUSIC\\B.WAV"));
  EXPECT_EQ(S.settings.autoNo, 7);
  EXPECT_EQ(last(), "2個のファイルをリネームしました。");
  EXPECT_FALSE(S.run.BusyBatch);
}

TEST_F(FileToolsTest, RenamingAMemoryArchiveRowKeepsItsEntry) {
  fs.addFile("C:\\MUSIC\\OLD.LZH", "x");
  memory({"/C:\\MUSIC\\OLD.LZH/tune.wav"});
  renameTo("NEW.LZH");
  tools.PRENAMEClick();
  EXPECT_EQ(ListBox2.item(0), "/C:\\MUSIC\\NEW.LZH/tune.wav");
  EXPECT_EQ(ListBox8.item(0), "/NEW.LZH/tune.wav");
}

// --- copy, move, delete ---

TEST_F(FileToolsTest, CopyAsksBeforeOverwritingAndKeepsTimes) {
  files({"A.WAV", "B.WAV", "C.WAV"});
  fs.addFile("C:\\OUT\\B.WAV", "older", platform::kAttrArchive, 120000000000000000ull);
  answerYes = false;
  tools.PCOPYClick(false);
  EXPECT_EQ(fs.contents("C:\\OUT\\A.WAV"), "A.WAV");
  EXPECT_EQ(fs.stat("C:\\OUT\\C.WAV")->lastWrite, 130000000000000000ull);
  EXPECT_EQ(fs.contents("C:\\OUT\\B.WAV"), "older");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].rfind("C:\\OUT\\B.WAV\n旧：5 ", 0), 0u) << messages[0];
  EXPECT_NE(messages[0].find("\n新：5 "), std::string::npos);
  EXPECT_NE(messages[0].find("：同名ファイルが存在します。\nコピーしますか？？"), std::string::npos);
  EXPECT_EQ(messages[1], "2個のファイルをコピーしました。");
  EXPECT_EQ(tools.CopyFolder, "C:\\OUT");
}

TEST_F(FileToolsTest, CopyIntoTheSourceFolderDoesNothing) {
  files({"A.WAV"});
  chosen = "c:\\music\\";
  tools.PCOPYClick(false);
  EXPECT_EQ(messages, std::vector<std::string>{"0個のファイルをコピーしました。"});
}

TEST_F(FileToolsTest, MoveAndCopyRepointMemoryRows) {
  fs.addFile("C:\\MUSIC\\A.WAV", "a");
  fs.addFile("C:\\MUSIC\\B.WAV", "b");
  memory({"C:\\MUSIC\\A.WAV", "/C:\\MUSIC\\B.WAV/x.mid"});
  tools.PCOPYClick(true);
  EXPECT_FALSE(fs.fileExists("C:\\MUSIC\\A.WAV"));
  EXPECT_EQ(ListBox2.items(), (std::vector<std::string>{"C:\\OUT\\A.WAV", "/C:\\OUT\\B.WAV/x.mid"}));
  EXPECT_EQ(ListBox8.items(), (std::vector<std::string>{"A.WAV", "/B.WAV/x.mid"}));
  EXPECT_EQ(changed, std::vector<bool>{false});  // the random pool follows the moved rows

  chosen = "C:\\COPY";
  fs.addFolder("C:\\COPY");
  tools.PCOPYClick(false);
  EXPECT_EQ(ListBox2.item(0), "C:\\COPY\\A.WAV");
  EXPECT_TRUE(fs.fileExists("C:\\OUT\\A.WAV"));
}

TEST_F(FileToolsTest, MoveThatCannotWriteLeavesTheSourceAndNoPartialTarget) {
  files({"A.WAV", "B.WAV"});
  fs.failWriteAfter("C:\\OUT\\A.WAV", 2);
  tools.PCOPYClick(true);
  EXPECT_EQ(fs.contents("C:\\MUSIC\\A.WAV"), "A.WAV");
  EXPECT_FALSE(fs.fileExists("C:\\OUT\\A.WAV"));
  EXPECT_EQ(messages.at(0), "C:\\MUSIC\\A.WAV\nこのファイルの移動に、失敗しました・・・");
  // The one that moved leaves the file list; the random pool follows.
  EXPECT_FALSE(fs.fileExists("C:\\MUSIC\\B.WAV"));
  EXPECT_EQ(ListBox4.items(), std::vector<std::string>{"A.WAV"});
  EXPECT_EQ(changed, std::vector<bool>{true});
}

TEST_F(FileToolsTest, CancelledFolderChoiceBeepsAndSaysSo) {
  files({"A.WAV"});
  chosen.reset();
  tools.PCOPYClick(true);
  EXPECT_EQ(shell.beeps, 1);
  EXPECT_EQ(messages, std::vector<std::string>{"移動先、フォルダー選択を、\n中止しました・・・"});
}

TEST_F(FileToolsTest, DeletionQuestionLeftAloneDeletesNothing) {
  files({"A.WAV"});
  application.onModalShown = [this](ui::Form& f) {
    messages.push_back(static_cast<dialogs::TMKBox&>(f).MemoMsg.caption());
  };  // no answer: the countdown runs out
  tools.PKILLClick();
  EXPECT_TRUE(fs.fileExists("C:\\MUSIC\\A.WAV"));
  EXPECT_EQ(messages.back(), "削除を中止しました・・・");
}

TEST_F(FileToolsTest, DeletionTakesFileAndRowWithItsCompanions) {
  fs.addFile("C:\\MUSIC\\A.WAV", "a");
  fs.addFile("C:\\MUSIC\\X.LZH", "b");
  memory({"C:\\MUSIC\\A.WAV", "C:\\MUSIC\\GONE.WAV", "/C:\\MUSIC\\X.LZH/t.wav"});
  ListBoxVM.setItem(2, "/3/");
  tools.PKILLClick();
  EXPECT_FALSE(fs.fileExists("C:\\MUSIC\\A.WAV"));
  EXPECT_FALSE(fs.fileExists("C:\\MUSIC\\X.LZH"));  // an archive row deletes the whole archive
  EXPECT_EQ(ListBox2.items(), std::vector<std::string>{"C:\\MUSIC\\GONE.WAV"});
  EXPECT_EQ(ListBox8.count(), 1);
  EXPECT_EQ(ListBoxVM.items(), std::vector<std::string>{"/1/"});
  EXPECT_EQ(messages.at(1), "C:\\MUSIC\\GONE.WAV\nこのファイルは、存在しません・・・");
  EXPECT_EQ(last(), "2個のファイルを削除しました。\n\nlzh内ファイルは、0個、削除しました。");
}

// --- the archive-entry variants ---

TEST_F(FileToolsTest, DeletingAnEntryKeepsTheArchiveWithItsOtherEntries) {
  songs({"B.WAV"});
  tools.PKILLClick(true);
  EXPECT_EQ(entriesLeft(), (std::vector<std::string>{"A.WAV", "C.WAV"}));
  EXPECT_EQ(ListBox2.count(), 0);
  EXPECT_EQ(changed, std::vector<bool>{false});  // counts and random pool follow the row
  EXPECT_EQ(last(), "0個のファイルを削除しました。\n\nlzh内ファイルは、1個、削除しました。");
}

TEST_F(FileToolsTest, EntryCopiedOrMovedIsExtractedAndTheRowPointsAtTheCopy) {
  struct Case {
    bool move;
    std::vector<std::string> left;
  } cases[] = {{false, {"A.WAV", "B.WAV", "C.WAV"}}, {true, {"C.WAV"}}};
  for (const Case& c : cases) {
    songs({"A.WAV", "B.WAV"});
    tools.PCOPYClick(c.move, true);
    EXPECT_EQ(fs.contents("C:\\OUT\\B.WAV"), "b") << c.move;
    EXPECT_EQ(entriesLeft(), c.left) << c.move;
    EXPECT_EQ(ListBox2.items(), (std::vector<std::string>{"C:\\OUT\\A.WAV", "C:\\OUT\\B.WAV"}));
    EXPECT_EQ(ListBox8.items(), (std::vector<std::string>{"A.WAV", "B.WAV"}));
    EXPECT_TRUE(extractionFolderEmpty());
  }
}

TEST_F(FileToolsTest, EntryRenamedInsideTheArchiveAndTheRowFollows) {
  songs({"B.WAV"});
  renameTo("D.WAV");
  tools.PRENAMEClick(true);
  EXPECT_EQ(entriesLeft(), (std::vector<std::string>{"A.WAV", "C.WAV", "D.WAV"}));
  EXPECT_EQ(ListBox2.item(0), std::string("/") + kSongs + "/D.WAV");
  EXPECT_EQ(ListBox8.item(0), "/SONGS.LZH/D.WAV");
  EXPECT_EQ(last(), "1個のファイルをリネームしました。");
  EXPECT_TRUE(extractionFolderEmpty());

  // A name the archive holds already is refused: the row stays and the question is asked.
  renameTo("A.WAV");
  tools.PRENAMEClick(true);
  EXPECT_EQ(messages.at(messages.size() - 2), "C:\\ZELCOR\\LZH_POPM\\D.WAV\nリネームに失敗しました・・・");
  EXPECT_EQ(ListBox2.item(0), std::string("/") + kSongs + "/D.WAV");
  EXPECT_EQ(entriesLeft(), (std::vector<std::string>{"A.WAV", "C.WAV", "D.WAV"}));
  EXPECT_TRUE(extractionFolderEmpty());
}

TEST_F(FileToolsTest, FailingArchiveLibraryRemovesNothingAndKeepsTheRow) {
  const std::function<void()> commands[] = {[this] { tools.PKILLClick(true); },
                                            [this] { tools.PCOPYClick(true, true); },
                                            [this] { tools.PRENAMEClick(true); }};
  onRename = [](TRENAMEBox& d) { d.Button1.click(); };
  library.libraryMissing = true;
  for (const auto& command : commands) {
    songs({"B.WAV"});
    const auto archiveBefore = fs.contents(kSongs);
    command();
    EXPECT_EQ(fs.contents(kSongs), archiveBefore);
    EXPECT_EQ(ListBox2.items(), std::vector<std::string>{std::string("/") + kSongs + "/B.WAV"});
    EXPECT_FALSE(fs.fileExists("C:\\OUT\\B.WAV"));
  }
  EXPECT_EQ(messages.at(1), std::string("/") + kSongs + "/B.WAV\nLZH内のこのファイルは、削除出来ませんでした・・・");
}

// --- text tools ---

TEST_F(FileToolsTest, HalfWidthKanaBecomesFullWidth) {
  int count = 0;
  // ｶﾞ ﾊﾟ ｳﾞ ﾞ 漢 (whose trail byte lies among the half-width kana) A
  const std::string out = tools::FullWidthKana("\xB6\xDE\xCA\xDF\xB3\xDE\xDE漢A", count);
  EXPECT_EQ(out, "ガパウ゛゛漢A");
  EXPECT_EQ(count, 5);
}

TEST_F(FileToolsTest, KanaReportHoldsTheConvertedTextAndLeavesTheFile) {
  const std::string original = "\xB6\xDE\r\nabc\r\n";
  fs.addFile("C:\\MUSIC\\K.TXT", original);
  ListBox4.add("K.TXT");
  ListBox4.selectAll();
  tools.PKANAClick();
  const auto lines = base::LoadLines(fs, "C:\\ZELCOR\\KANA$$$$.TXT").value();
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[1], "ﾌｧｲﾙ名　　: C:\\MUSIC\\K.TXT");
  EXPECT_EQ(lines[3], "元の総ﾊﾞｲﾄ数　:       9 Bytes");
  EXPECT_EQ(lines[4], "全角変換個数　: 1個");
  EXPECT_EQ(lines[6], "ガ");
  EXPECT_EQ(lines[7], "abc");
  EXPECT_EQ(fs.contents("C:\\MUSIC\\K.TXT"), original);
  EXPECT_EQ(shell.runs, std::vector<std::string>{"notepad.exe \"C:\\ZELCOR\\KANA$$$$.TXT\" "});
  EXPECT_EQ(last(), "半角カナ全角変換\n1個のファイルを変換しました。");
}

TEST_F(FileToolsTest, TextViewOpensHelpFilesInTheHelpViewer) {
  files({"A.TXT", "B.HLP"});
  tools.PTEXTClick();
  EXPECT_EQ(shell.runs,
            (std::vector<std::string>{"notepad.exe \"C:\\MUSIC\\A.TXT\" ", "winhlp32.exe C:\\MUSIC\\B.HLP"}));
}

TEST_F(FileToolsTest, TotalSizeCountsMissingFilesApartAndRefusesNothing) {
  ListBox4.add("GONE.WAV");
  tools.P_FILE_SZClick(true);
  EXPECT_EQ(last(), "ファイルサイズ表示エラー：ファイルがありません・・・");
  fs.addFile("C:\\MUSIC\\BIG.WAV", std::string(1234, 'x'));
  ListBox4.add("BIG.WAV");
  tools.P_FILE_SZClick(true);
  EXPECT_EQ(last(), "ファイル数：1個\n総サイズ：1,234 Bytes.\n\n存在しなかったファイル数：1個");
}

TEST_F(FileToolsTest, DriveReportGoesOnPastADriveWithoutAMedium) {
  drives.add('C', platform::DriveType::Fixed);
  drives.add('D', platform::DriveType::CdRom, false);
  drives.setSpace('C', 21168000, 105840000);
  ComboBox2.setItems({"d: []", "c: [SYSTEM]"});
  tools.PAKIClick();
  const auto lines = base::LoadLines(fs, "C:\\ZELCOR\\DrV$$$$$.TXT").value();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[4], " D: ﾃﾞｨｽｸがありません・・・");
  EXPECT_EQ(lines[5], " C:     21,168,000 Bytes      105,840,000 Bytes      2分/    10分");
  EXPECT_EQ(lines[6], std::string(65, '-'));
}

}  // namespace

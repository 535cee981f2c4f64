#include <gtest/gtest.h>

#include "desktop/associations.h"
#include "fakes/lha_unlha.h"
#include "player_fixture.h"

namespace {

TEST(AssociationTemplateTest, PathGoesToTheFirstPlaceholderOnly) {
  const std::string path = "C:\\My Music\\a b.wav";  // keeps its case
  const struct {
    const char* commandTemplate;
    std::optional<std::string> command;
  } cases[] = {
      {"\"C:\\Prog\\player.exe\" \"%1\"", "\"C:\\PROG\\PLAYER.EXE\" \"C:\\My Music\\a b.wav\""},
      {"p.exe %1 /x %2 /y", "P.EXE C:\\My Music\\a b.wav /X  /Y"},
      {"%SystemRoot%\\system32\\view.exe %1", "C:\\WINDOWS\\SYSTEM32\\VIEW.EXE C:\\My Music\\a b.wav"},
      {"c:\\p.exe", "C:\\P.EXE \"C:\\My Music\\a b.wav\""},
      {"p.exe %", "P.EXE C:\\My Music\\a b.wav"},
      {"p.exe %1 %2 %3", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(desktop::CommandFromTemplate(c.commandTemplate, path, "C:\\WINDOWS\\"), c.command) << c.commandTemplate;
}

struct AssociationTest : AnsweringPlayerTest {
  void type(const std::string& ext, const std::string& cls, const char* verb, const std::string& command) {
    reg.writeString(platform::Hive::ClassesRoot, ext, "", cls);
    reg.writeString(platform::Hive::ClassesRoot, cls + "\\shell\\" + verb + "\\command", "", command);
  }
};

TEST_F(AssociationTest, VerbsResolveThroughTheClassAndBatchOrRegistryFilesOpenInNotepad) {
  type(".WAV", "wavfile", "open", "open.exe \"%1\"");
  type(".WAV", "wavfile", "play", "play.exe \"%1\"");
  type(".MID", "midfile", "open", "midi.exe %1");
  type(".TXT", "txtfile", "open", "x.exe %1 %2 %3");
  for (const char* ext : {".CMD", ".REG"}) type(ext, "batfile", "open", "\"%1\" %*");
  auto& w = start();
  const struct {
    const char* path;
    bool play;
    const char* command;
  } cases[] = {
      {"C:\\M\\a.wav", true, "PLAY.EXE \"C:\\M\\a.wav\""},
      {"C:\\M\\a.wav", false, "OPEN.EXE \"C:\\M\\a.wav\""},
      {"C:\\M\\b.mid", true, "MIDI.EXE C:\\M\\b.mid"},
      {"C:\\M\\c.txt", false, "notepad.exe \"C:\\M\\c.txt\" "},
      {"C:\\M\\d.xyz", false, "notepad.exe \"C:\\M\\d.xyz\" "},
      {"C:\\M\\e.reg", false, "notepad.exe \"C:\\M\\e.reg\" "},
      {"C:\\M\\f.cmd", true, "notepad.exe \"C:\\M\\f.cmd\" "},
  };
  for (const auto& c : cases) EXPECT_EQ(w.Kanren.CommandFor(c.path, c.play), c.command) << c.path;
}

TEST_F(AssociationTest, SelectedFilesStartInTheirFolderArchiveEntriesAsCopiesAndMissingOnesAreSkipped) {
  type(".WAV", "wavfile", "open", "open.exe \"%1\"");
  fs.addFolder("C:\\M");
  fs.writeAtomic("C:\\M\\a.wav", "RIFF");
  auto& w = start();
  shell.runs.clear();
  w.Kanren.PKANRENClick({"gone.wav", "a.wav"}, "C:\\M", false);
  EXPECT_EQ(shell.runs, std::vector<std::string>{"OPEN.EXE \"C:\\M\\a.wav\""});
  EXPECT_EQ(fs.currentFolder(), "C:\\M");
  EXPECT_TRUE(messages.empty());

  fakes::MakeArchive(fs, "C:\\M\\SONGS.LZH", {{"DIR/b.wav", "RIFF"}});
  w.Kanren.PKANRENClick({"/C:\\M\\SONGS.LZH/DIR/b.wav"}, "", false);  // an entry opens as its extracted copy
  EXPECT_EQ(shell.runs.back(), "OPEN.EXE \"C:\\ZELCOR\\LZH_POPM\\b.wav\"");

  shell.runSucceeds = false;
  w.Kanren.PKANRENClick({"a.wav", "a.wav"}, "C:\\M", false);  // the failure's question is answered to go on
  EXPECT_EQ(messages, (std::vector<std::string>{"C:\\M\\a.wav\n関連付けｴﾗｰ：実行に失敗しました・・・",
                                                "C:\\M\\a.wav\n関連付けｴﾗｰ：実行に失敗しました・・・",
                                                "関連付けｴﾗｰ：ファイルが選択されていません・・・"}));
  EXPECT_FALSE(w.S.run.BusyBatch);
}

}  // namespace

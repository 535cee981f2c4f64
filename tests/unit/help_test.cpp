// The help menu finds the compiled help first, the plain guide second, and says so when neither is there.
#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_system.h"
#include "tools/help.h"

namespace {

TEST(HelpTest, CompiledHelpThenGuideThenAMessage) {
  struct Case {
    bool compiled, guide, runs;
    std::string command, message;
  };
  const std::string dir = "C:\\表示\\";
  const Case cases[] = {
      {true, true, true, "hh.exe \"C:\\表示\\ZELCOR32.CHM\"", ""},
      {false, true, true, "notepad.exe \"C:\\表示\\ZELCOR32.TXT\" ", ""},
      // A help viewer that will not start falls back to the guide.
      {true, true, false, "", "メモ帳を起動できませんでした・・・\nC:\\表示\\ZELCOR32.TXT"},
      {false, false, true, "", "ヘルプファイルが見つかりません・・・\nC:\\表示\\ZELCOR32.TXT"},
  };
  for (const Case& c : cases) {
    fakes::FakeFileSystem fs;
    fakes::FakeShell shell;
    shell.runSucceeds = c.runs;
    fs.addFolder("C:\\表示");
    if (c.compiled) fs.addFile(dir + "ZELCOR32.CHM", "x");
    if (c.guide) fs.addFile(dir + "ZELCOR32.TXT", "x");
    EXPECT_EQ(tools::OpenHelp(fs, shell, "C:\\表示"), c.message);
    if (!c.command.empty()) {
      EXPECT_EQ(shell.runs.back(), c.command);
    }
    if (!c.guide) {
      EXPECT_TRUE(shell.runs.empty());
    }
  }
}

}  // namespace

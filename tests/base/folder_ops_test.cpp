#include <gtest/gtest.h>

#include "base/folder_ops.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_shell_namespace.h"

namespace {

class FolderOps : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.addFolder("C:\\Users\\zumik\\Documents\\My Music");
    fs.addFolder("C:\\Users\\zumik\\Documents\\表");
    // The shell shows "Documents" as "ドキュメント" and "My Music" as "ミュージック".
    shell.addItem("C:\\Users\\zumik", "ドキュメント", "C:\\Users\\zumik\\Documents");
    shell.addItem("C:\\Users\\zumik\\Documents", "ミュージック", "C:\\Users\\zumik\\Documents\\My Music");
    shell.addItem("C:\\Users\\zumik\\Documents", "Virtual", "");
  }
  fakes::FakeFileSystem fs;
  fakes::FakeShellNamespace shell;
};

TEST_F(FolderOps, DisplayNamesLeadToTheRealFolder) {
  std::string path = "C:\\Users\\zumik\\ドキュメント\\ミュージック";
  EXPECT_TRUE(base::ResolveFolderPath(fs, shell, path));
  EXPECT_EQ(path, "C:\\Users\\zumik\\Documents\\My Music");
}

TEST_F(FolderOps, DisplayNameMatchesIgnoringCase) {
  shell.addItem("C:\\Users\\zumik\\Documents", "Music Box", "C:\\Users\\zumik\\Documents\\My Music");
  std::string path = "C:\\Users\\zumik\\Documents\\MUSIC BOX\\";
  EXPECT_TRUE(base::ResolveFolderPath(fs, shell, path));
  EXPECT_EQ(path, "C:\\Users\\zumik\\Documents\\My Music\\");
}

TEST_F(FolderOps, ExistingLevelsAskTheShellNothing) {
  std::string path = "C:\\Users\\zumik\\Documents\\表";
  EXPECT_TRUE(base::ResolveFolderPath(fs, shell, path));
  EXPECT_EQ(path, "C:\\Users\\zumik\\Documents\\表");
  EXPECT_EQ(shell.queries, 0);
}

TEST_F(FolderOps, UnknownNameFailsAndLeavesThePath) {
  for (std::string original : {"C:\\Users\\zumik\\ドキュメント\\nowhere",
                               "C:\\Users\\zumik\\Documents\\Virtual",  // no file-system path
                               "Q:\\music\\x"}) {
    std::string path = original;
    EXPECT_FALSE(base::ResolveFolderPath(fs, shell, path)) << original;
    EXPECT_EQ(path, original);
  }
  EXPECT_FALSE(fs.folderExists("C:\\Users\\zumik\\ドキュメント"));  // nothing created
}

TEST_F(FolderOps, SingleLevelIsKeptWithSuccess) {
  std::string path = "ドキュメント";
  EXPECT_TRUE(base::ResolveFolderPath(fs, shell, path));
  EXPECT_EQ(path, "ドキュメント");
}

TEST_F(FolderOps, UsableFolderRepairsAndLeavesTheCurrentFolder) {
  fs.setCurrentFolder("C:\\Users");
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Users\\zumik\\ドキュメント\\ミュージック\\", "C:\\Users\\zumik\\Documents\\My Music\\"},
      {"C:\\Users\\zumik\\Documents\\表", "C:\\Users\\zumik\\Documents\\表\\"},
      {"", nullptr}, {"\\", nullptr}, {"@@@@@\\", nullptr}, {"C:\\Users\\nowhere", nullptr}};
  for (auto [stored, usable] : cases) {
    const auto got = base::UsableFolder(stored, fs, shell);
    EXPECT_EQ(got.value_or("<none>"), usable ? usable : "<none>") << stored;
  }
  EXPECT_EQ(fs.currentFolder(), "C:\\Users");
}

TEST_F(FolderOps, FilePathRepairsOnlyItsFolder) {
  std::string path = "C:\\Users\\zumik\\ドキュメント\\ミュージック\\曲.wav";
  EXPECT_TRUE(base::ResolveFilePath(fs, shell, path));
  EXPECT_EQ(path, "C:\\Users\\zumik\\Documents\\My Music\\曲.wav");
  std::string existing = "C:\\Users\\zumik\\Documents\\表\\a.mid";
  EXPECT_TRUE(base::ResolveFilePath(fs, shell, existing));
  EXPECT_EQ(existing, "C:\\Users\\zumik\\Documents\\表\\a.mid");
}

TEST_F(FolderOps, EmptyChainIsRemovedUpToTheFirstBusyFolder) {
  fs.addFolder("C:\\keep\\a\\b\\c");
  fs.addFile("C:\\keep\\file.txt", "x");
  base::RemoveEmptyFolderChain(fs, "C:\\keep\\a\\b\\c\\");
  EXPECT_FALSE(fs.folderExists("C:\\keep\\a"));
  EXPECT_TRUE(fs.folderExists("C:\\keep"));
  EXPECT_TRUE(fs.fileExists("C:\\keep\\file.txt"));
}

TEST_F(FolderOps, ChainStopsAtANonEmptyFirstFolder) {
  fs.addFolder("C:\\full\\sub");
  base::RemoveEmptyFolderChain(fs, "C:\\full");
  EXPECT_TRUE(fs.folderExists("C:\\full\\sub"));
}

}  // namespace

// A prepared start reaches a usable main window in time; closing writes every setting.
#include "core/control_ids.h"
#include "core/settings.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

using StartAndClose = PlayerTest;

TEST_F(StartAndClose, UsableWithinFiveSecondsAndClosingWritesEverySetting) {
  prepareAsMakeRun();
  ASSERT_EQ(core::StoredSettingTexts({}).size(), 41u);  // and TEMPLZH, checked below
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  // Nothing of the table is written before closing, so the check below sees the close's work.
  EXPECT_FALSE(SettingsKey::get(L"FP").has_value());
  EXPECT_EQ(closeMain(main, *player), 0ul);
  EXPECT_EQ(MissingSettings(), std::vector<std::string>{});
  EXPECT_EQ(SettingsKey::get(L"TEMPLZH"), folder->path() + L"extract");
}

TEST_F(StartAndClose, FirstStartPreparedLikeMakeRunOpensNoFolderDialog) {
  prepareAsMakeRun();
  const std::wstring demo = folder->makeFolder(L"demo");
  SettingsKey::set(L"CPATH", demo);
  folder->writeFile(L"demo\\tune.wav", SilentWav());
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  // A dialog would open from the deferred start-up; give it the time it would need.
  Sleep(500);
  EXPECT_EQ(FindTopWindow(kFolderDialogClass, player->id()), nullptr);
  // The folder it opens on is the prepared one: its tune is listed.
  EXPECT_EQ(ListBoxItems(FindControl(main, ids::ListBox4)), std::vector<std::wstring>{L"tune.wav"});
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(StartAndClose, MissingExtractionFolderAsksForOne) {
  SettingsKey::set(L"Version", L"20");
  SettingsKey::set(L"SND_DIR", folder->makeFolder(L"mp3"));
  auto player = start();
  HWND dialog = WaitForTopWindow(kFolderDialogClass, player->id(), 5000);
  EXPECT_NE(dialog, nullptr);
  HWND main = FindTopWindow(kMainWindowClass, player->id());
  EXPECT_FALSE(MainWindowUsable(main)) << "start-up went on past the folder question";
  // The dialog refuses to close without a folder: end the process.
  player->terminate();
}

}  // namespace
}  // namespace e2e

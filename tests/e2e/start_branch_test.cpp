// Which window a start opens: the player's or the setup window. Which versions lead where is
// tested headless; here a fresh machine, a deleted version and the exe's name reach the window.
#include "core/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

class StartBranch : public PlayerTest {
 protected:
  // Starts exe and expects the setup window and no main window; then closes it.
  void expectSetupWindow(const std::wstring& exe) {
    PlayerProcess player(exe);
    HWND setup = WaitForTopWindow(kSetupWindowClass, player.id(), 5000);
    ASSERT_NE(setup, nullptr) << "no setup window";
    EXPECT_EQ(FindTopWindow(kMainWindowClass, player.id()), nullptr);
    RequestClose(setup);
    EXPECT_EQ(player.waitExit(10000), 0ul);
  }
};

TEST_F(StartBranch, MissingSettingsVersionOpensSetup) {
  expectSetupWindow(folder->exe());
}

TEST_F(StartBranch, SetupRegistersTheDeletedVersionAndStartsThePlayer) {
  prepareAsMakeRun();
  SettingsKey::set(L"Version", L"");  // as the version-delete command leaves it
  PlayerProcess player(folder->exe());
  HWND setup = WaitForTopWindow(kSetupWindowClass, player.id(), 5000);
  ASSERT_NE(setup, nullptr) << "no setup window";
  HWND start = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (start = FindControl(setup, setup_ids::ButtonStart)) != nullptr; }, 3000));
  Click(start);
  // Usable, not only shown: a close during start-up would end on the start-up error's countdown.
  HWND main = WaitForUsableMainWindow(player.id(), 10000);
  ASSERT_NE(main, nullptr) << "the player did not start";
  EXPECT_EQ(SettingsKey::get(L"Version"), std::optional<std::wstring>(L"20"));
  EXPECT_TRUE(WaitUntil([&] { return FindTopWindow(kSetupWindowClass, player.id()) == nullptr; }, 3000));
  EXPECT_EQ(closeMain(main, player), 0ul);
}

TEST_F(StartBranch, ExeNamedSetupOpensSetupWhateverTheVersion) {
  prepareAsMakeRun();
  PlayerFolder setupFolder(L"zelSETUPx.exe");
  expectSetupWindow(setupFolder.exe());
}

}  // namespace
}  // namespace e2e

// Which window a start opens: the player's or the setup window. Which versions lead where is
// tested headless; here a fresh machine, a deleted version and the exe's name reach the window.
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"

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

TEST_F(StartBranch, ExeNamedSetupOpensSetupWhateverTheVersion) {
  prepareAsMakeRun();
  PlayerFolder setupFolder(L"zelSETUPx.exe");
  expectSetupWindow(setupFolder.exe());
}

}  // namespace
}  // namespace e2e

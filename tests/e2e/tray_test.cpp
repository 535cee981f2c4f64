// The notification area in the real window: the icon the shell holds, the window out of
// sight without a taskbar button, the tray menu on a right-button press, and the way back.
#include <windows.h>
#include <shellapi.h>

#include "core/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"

namespace e2e {
namespace {

constexpr UINT kTrayCallback = 0x466;

// Whether the shell holds icon 1 of the player's hidden tray window: changing nothing in
// an icon succeeds only for an icon that is there.
bool IconRegistered(HWND notify) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof(nid);
  nid.hWnd = notify;
  nid.uID = 1;
  return Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

bool InTrayPlace(HWND main) {
  RECT r{};
  GetWindowRect(main, &r);
  // An owned window has no taskbar button.
  return r.left == 0 && r.top == -40 && r.right == 0 && r.bottom == -40 && IsWindowVisible(main) &&
         GetWindow(main, GW_OWNER) != nullptr;
}

TEST_F(PlayerTest, TrayButtonHidesTheWindowAndTheTrayMenuBringsItBackExactly) {
  prepareAsMakeRun();
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  RECT before{};
  GetWindowRect(main, &before);
  Click(FindControl(main, ids::ButtonTRAY));
  HWND notify = WaitForTopWindow(L"TNotifyWindow", player->id(), 3000);
  ASSERT_NE(notify, nullptr) << "no hidden tray window";
  ASSERT_TRUE(WaitUntil([&] { return InTrayPlace(main); }, 3000)) << "the window is not out of sight";
  // The icon is added last, after the window has moved.
  EXPECT_TRUE(WaitUntil([&] { return IconRegistered(notify); }, 3000)) << "the shell holds no icon";

  PostMessageW(notify, kTrayCallback, 1, WM_RBUTTONDOWN);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu = FindOpenPopupMenu(player->id())) != nullptr; }, 3000))
      << "the right button opened no menu";
  PostMessageW(menu, WM_CHAR, L'u', 0);  // 常駐解除（元の画面に戻る） (&U)
  ASSERT_TRUE(WaitUntil([&] {
    RECT r{};
    GetWindowRect(main, &r);
    return EqualRect(&r, &before) && GetWindow(main, GW_OWNER) == nullptr;
  }, 3000)) << "leaving the tray did not restore the window";
  EXPECT_TRUE(WaitUntil([&] { return !IconRegistered(notify); }, 2000)) << "the icon stayed after leaving the tray";
  EXPECT_TRUE(WaitUntil([&] { return IsShown(FindControl(main, ids::ButtonTRAY)); }, 2000));
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(PlayerTest, SwitchTStartsInTheTray) {
  prepareAsMakeRun();
  auto player = start({L"/T"});
  HWND main = WaitForTopWindow(kMainWindowClass, player->id(), 5000);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return InTrayPlace(main); }, 5000)) << "/T left the window where it was";
  HWND notify = FindTopWindow(L"TNotifyWindow", player->id());
  ASSERT_NE(notify, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IconRegistered(notify); }, 3000));
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

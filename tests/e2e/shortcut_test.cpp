// The player's own shortcuts in the real window: written through the shell's link object into
// the prefix's Startup and Desktop folders, pointing at the player, and removed again.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "core/control_ids.h"
#include "player_fixture.h"
#include "remote_window.h"

namespace e2e {
namespace {

std::wstring OwnLink(int shellFolder) {
  wchar_t folder[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, shellFolder, nullptr, 0, folder);
  return std::wstring(folder) + L"\\Zelcor32 B-G-M.lnk";
}

TEST_F(PlayerTest, StartupAndDesktopShortcutsAreWrittenAndRemovedFromTheMenu) {
  prepareAsMakeRun();
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  const struct {
    int shellFolder, set, del;
  } cases[] = {{CSIDL_STARTUP, ids::MSC_ST_SET, ids::MSC_ST_DEL}, {CSIDL_DESKTOPDIRECTORY, ids::MSC_DK_SET, ids::MSC_DK_DEL}};
  for (const auto& c : cases) {
    const std::wstring link = OwnLink(c.shellFolder);
    SCOPED_TRACE(testing::PrintToString(link));
    DeleteFileW(link.c_str());
    ChooseMenuCommand(main, c.set);
    ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesW(link.c_str()) != INVALID_FILE_ATTRIBUTES; }, 5000))
        << "no shortcut";
    EXPECT_TRUE(WaitUntil([&] { return _wcsicmp(LinkTarget(link).c_str(), folder->exe().c_str()) == 0; }, 2000))
        << "the shortcut does not start the player";
    ChooseMenuCommand(main, c.del);
    EXPECT_TRUE(WaitUntil([&] { return GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES; }, 5000))
        << "the shortcut stayed";
    DeleteFileW(link.c_str());
  }
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

// Dragging with the mouse in the real window: a file-list entry dropped on the memory list
// opens the move/copy menu, and its copy item puts the entry into the memory.
#include <vector>

#include "core/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

using DragDrop = PlayerTest;

TEST_F(DragDrop, AFileDraggedOntoTheMemoryListIsCopiedThroughTheDropMenu) {
  prepareAsMakeRun();
  const std::wstring tunes = folder->makeFolder(L"tunes");
  folder->writeFile(L"tunes\\春の歌.wav", SilentWav());
  folder->writeFile(L"tunes\\夏.wav", SilentWav());
  SettingsKey::set(L"CPATH", tunes);
  SettingsKey::set(L"MEMORY", L"0,-1,0,0,0,0,0");  // memory view, full paths
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND files = FindControl(main, ids::ListBox4);
  HWND memory = FindControl(main, ids::ListBox2);
  ASSERT_TRUE(WaitUntil([&] { return ListBoxItems(files).size() == 2; }, 3000));
  ASSERT_TRUE(IsShown(files) && IsShown(memory)) << "the file list and the memory list are not both shown";
  const std::wstring dragged = ListBoxItems(files)[1];

  ClickAt(files, ListEntryPoint(files, 1));
  ASSERT_TRUE(WaitUntil([&] { return ListEntrySelected(files, 1); }, 2000)) << "the click selected nothing";
  RECT target{};
  GetClientRect(memory, &target);
  DragWithMouse(files, ListEntryPoint(files, 1), memory, POINT{target.right / 2, target.bottom / 2});
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu = FindOpenPopupMenu(player->id())) != nullptr; }, 3000))
      << "the drop opened no menu";
  PostMessageW(menu, WM_CHAR, L'c', 0);  // コピー　（選択のみ） (&C)
  const std::wstring entry = tunes + L"\\" + dragged;
  EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(memory) == std::vector<std::wstring>{entry}; }, 3000))
      << "the memory list does not hold the copied entry";
  EXPECT_EQ(ListBoxItems(files).size(), 2u) << "a copy took the entry from the file list";
  EXPECT_TRUE(WaitUntil([&] { return FindOpenPopupMenu(player->id()) == nullptr; }, 2000));
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

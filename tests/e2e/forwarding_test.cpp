// A second start hands its command line to the running player and ends.
#include <algorithm>

#include "app/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

using Forwarding = PlayerTest;

bool Contains(const std::vector<std::wstring>& items, const std::wstring& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

TEST_F(Forwarding, SecondStartHandsPlayAndJapaneseFileToFirst) {
  prepareAsMakeRun();
  const std::wstring tune = folder->writeFile(L"曲ソ表の試験♪.wav", SilentWav());
  std::unique_ptr<PlayerProcess> first;
  HWND main = startUsable(first);
  ASSERT_NE(main, nullptr);
  HWND memory = FindControl(main, ids::ListBox2);
  ASSERT_NE(memory, nullptr);
  ASSERT_FALSE(Contains(ListBoxItems(memory), tune));

  PlayerProcess second(folder->exe(), {L"-play", tune});
  EXPECT_EQ(second.waitExit(10000), 0ul);
  EXPECT_TRUE(WaitUntil([&] { return Contains(ListBoxItems(memory), tune); }, 3000))
      << "the file did not reach the memory list";
  // The list itself may be hidden behind its names-only mirror; the panel is the view.
  EXPECT_TRUE(IsShown(FindControl(main, ids::PanelMemory))) << "the memory view is not switched on";
  EXPECT_EQ(FindTopWindow(kMainWindowClass, second.id()), nullptr);
  EXPECT_EQ(closeMain(main, *first), 0ul);
}

// The atom table holds 255 characters: the longest text that fits and one that does not.
TEST_F(Forwarding, OverlongForwardedTextsLeaveThePlayerWorking) {
  prepareAsMakeRun();
  std::unique_ptr<PlayerProcess> first;
  HWND main = startUsable(first);
  ASSERT_NE(main, nullptr);
  HWND memory = FindControl(main, ids::ListBox2);
  const std::wstring texts[] = {std::wstring(255, L'あ'), L"C:\\" + std::wstring(252, L'x'),
                                std::wstring(300, L'x')};
  for (const std::wstring& text : texts) {
    SCOPED_TRACE(text.size());
    PlayerProcess second(folder->exe(), {text});
    EXPECT_EQ(second.waitExit(10000), 0ul);
    EXPECT_TRUE(Responds(main));
  }
  EXPECT_EQ(ListBoxItems(memory), std::vector<std::wstring>{});
  EXPECT_EQ(closeMain(main, *first), 0ul);
  EXPECT_EQ(MissingSettings(), std::vector<std::string>{});
}

}  // namespace
}  // namespace e2e

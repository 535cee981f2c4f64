// A second start hands its command line to the running player and ends.
#include <algorithm>

#include "core/control_ids.h"
#include "playback_fixture.h"
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

// The longest text an atom holds and longer ones that are no file leave the player working.
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

using ForwardingPlayback = Playback;

// Several files chosen together in Explorer make a command line longer than an atom holds.
TEST_F(ForwardingPlayback, FilesOpenedAfterAFolderRunAllArriveAndTheFirstPlaysFirst) {
  tune(L"a.wav", ToneWav(400));
  tune(L"b.wav", ToneWav(400));
  std::unique_ptr<PlayerProcess> first;
  HWND main = startUsable(first);
  ASSERT_NE(main, nullptr);
  Click(FindControl(main, ids::Button2));
  ASSERT_EQ(titlesOfRun(main, 15000).back(), kIdleTitle);
  folder->makeFolder(L"opened");
  std::vector<std::wstring> files, names;
  std::size_t length = 0;
  while (length <= 300) {
    names.push_back(L"開いた曲" + std::wstring(40, L'x') + std::to_wstring(names.size()) + L".wav");
    // Long enough that the title of each is seen even on a busy machine.
    files.push_back(folder->writeFile(L"opened\\" + names.back(), ToneWav(1500)));
    length += files.back().size() + 1;
  }
  PlayerProcess second(folder->exe(), files);
  EXPECT_EQ(second.waitExit(10000), 0ul);
  std::vector<std::wstring> played;
  for (const std::wstring& t : titlesOfRun(main, 30000))
    if (t != kIdleTitle) played.push_back(t);
  ASSERT_FALSE(played.empty()) << "nothing played";
  EXPECT_EQ(played.front(), Title(names.front())) << "the opened file was not the first heard";
  HWND memory = FindControl(main, ids::ListBox2);
  for (const std::wstring& f : files) EXPECT_TRUE(Contains(ListBoxItems(memory), f)) << "lost: " << f.size();
  EXPECT_EQ(closeMain(main, *first), 0ul);
}

}  // namespace
}  // namespace e2e

// Buttons inside panels and menu commands reach the player, and what they change is saved.
#include "core/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

using UserInput = PlayerTest;

TEST_F(UserInput, MemoryButtonAndNamesOnlyMenuChangeTheViewAndAreSaved) {
  prepareAsMakeRun();
  SettingsKey::set(L"MEMORY", L"1,-1,0,0,0,0,0");  // folder view, full paths
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND memoryPanel = FindControl(main, ids::PanelMemory);
  HWND paths = FindControl(main, ids::ListBox2);
  HWND names = FindControl(main, ids::ListBox8);
  ASSERT_FALSE(IsShown(memoryPanel));

  Click(FindControl(main, ids::Button9));
  EXPECT_TRUE(WaitUntil([&] { return IsShown(memoryPanel); }, 2000)) << "the memory button did nothing";
  EXPECT_TRUE(IsShown(paths));
  EXPECT_FALSE(IsShown(names));

  ChooseMenuCommand(main, ids::SSN);
  EXPECT_TRUE(WaitUntil([&] { return IsShown(names) && !IsShown(paths); }, 2000))
      << "the names-only menu command did nothing";

  EXPECT_EQ(closeMain(main, *player), 0ul);
  const std::wstring saved = SettingsKey::get(L"MEMORY").value_or(L"");
  EXPECT_EQ(saved.substr(0, 2), L"0,") << saved;  // memory view on
  EXPECT_EQ(saved.substr(saved.size() - 2), L",1") << saved;  // names only
}

TEST_F(UserInput, HelpMenuOpensTheGuideBesideTheExe) {
  prepareAsMakeRun();
  folder->writeFile(L"ZELCOR32.TXT", "guide\r\n");
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  ChooseMenuCommand(main, ids::HELP_MOKUJI);
  HWND notepad = WaitForTopWindow(L"Notepad", 0, 10000);
  ASSERT_NE(notepad, nullptr) << "the help menu opened no Notepad";
  EXPECT_NE(Text(notepad).find(L"ZELCOR32"), std::wstring::npos) << Text(notepad);
  RequestClose(notepad);
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

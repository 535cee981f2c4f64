// What the user does with the mouse and the menus reaches the player in the real window:
// shell drops after start-up, the hint switch, clicks on the folder header and the file
// status bar, the message box's copy menu, the multi-select lists and the search button of a
// bulk add.
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "playback_fixture.h"

namespace e2e {
namespace {

using WindowControls = Playback;

bool HasStyle(HWND hwnd, int index, LONG_PTR bits) { return (GetWindowLongPtrW(hwnd, index) & bits) == bits; }

// The text on the clipboard; emptying first keeps an earlier copy from passing for a new one.
std::wstring ClipboardText(bool empty = false) {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (empty) EmptyClipboard();
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(data))) text = p;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

TEST_F(WindowControls, StartUpTakesDropsAndHintsAndTheFolderHeaderSwitchesTheView) {
  SettingsKey::set(L"minihelp", L"0");
  tune(L"a.wav", SilentWav());
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(HasStyle(main, GWL_EXSTYLE, WS_EX_ACCEPTFILES)) << "files dragged from the shell are refused";
  for (int id : {ids::ListBox9, ids::ListBoxKaKo})
    EXPECT_TRUE(HasStyle(FindControl(main, id), GWL_STYLE, LBS_EXTENDEDSEL)) << "list " << id << " is single-select";

  // The mouse comes to rest on the file list.
  auto rest = [files = FindControl(main, ids::ListBox4)] { PostMessageW(files, WM_MOUSEMOVE, 0, MAKELPARAM(30, 30)); };
  rest();
  EXPECT_FALSE(WaitUntil([&] { return !ShownHint(main).empty(); }, 1500)) << "a hint shows though the setting is off";
  ChooseMenuCommand(main, ids::help3);
  rest();
  EXPECT_TRUE(WaitUntil([&] { return ShownHint(main) == L"ファイル名"; }, 3000)) << "switching hints on did not reach the window";
  ChooseMenuCommand(main, ids::help3);
  EXPECT_TRUE(WaitUntil([&] { return ShownHint(main).empty(); }, 2000)) << "switching hints off did not reach the window";

  HWND tree = FindControl(main, ids::TreeView1), flat = FindControl(main, ids::ListBox1);
  const bool treeShown = IsShown(tree);
  ASSERT_NE(treeShown, IsShown(flat));
  ClickAt(FindControl(main, ids::HeaderFolder), POINT{20, 8});
  EXPECT_TRUE(WaitUntil([&] { return IsShown(tree) != treeShown && IsShown(flat) == treeShown; }, 3000))
      << "a click on the folder header did not switch the view";
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(WindowControls, FileStatusBarClickHidesAndShowsThePlayBarDuringARun) {
  tune(L"a.wav", ToneWav(10000));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND bar = FindControl(main, ids::PanelBar), status = FindControl(main, ids::StatusBar2);
  Click(FindControl(main, ids::Button2));
  ASSERT_TRUE(WaitUntil([&] { return IsShown(bar); }, 5000));
  ClickAt(status, POINT{20, 8});
  EXPECT_TRUE(WaitUntil([&] { return !IsShown(bar); }, 2000)) << "the click did not hide the play bar";
  ClickAt(status, POINT{20, 8});
  EXPECT_TRUE(WaitUntil([&] { return IsShown(bar); }, 2000)) << "the click did not show the play bar again";
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(WindowControls, MessageBoxMenuCopiesTheWholeText) {
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  ClipboardText(true);
  ChooseMenuCommand(main, ids::help2);  // the version message
  HWND box = WaitForTopWindow(L"TMKBox", player->id(), 3000);
  ASSERT_NE(box, nullptr);
  HWND memo = FindControl(box, 100);
  RECT at{};
  GetWindowRect(memo, &at);
  PostMessageW(memo, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(memo), MAKELPARAM(at.left + 10, at.top + 10));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu = FindOpenPopupMenu(player->id())) != nullptr; }, 3000))
      << "a right click on the message opened no menu";
  PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);  // "コピー", the first item
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
  const std::wstring text = Text(memo);
  EXPECT_NE(text.find(L"バージョン"), std::wstring::npos) << "the memo does not show the message";
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == text; }, 3000)) << "the clipboard holds: " << ClipboardText().size();
  Click(FindControl(box, 1));  // ＯＫ
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(WindowControls, HistoryDeleteTakesTheSelectedFoldersAndNothingWithoutASelection) {
  const std::wstring one = folder->makeFolder(L"one"), two = folder->makeFolder(L"two");
  std::string lines;
  for (const std::wstring* f : {&one, &two}) lines += std::string(f->begin(), f->end()) + "\r\n";
  folder->writeFile(L"ZeLC32FH.LIS", lines);
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND history = FindControl(main, ids::ListBoxKaKo), del = FindControl(main, ids::ButtonKaKoCUT);
  Click(FindControl(main, ids::ButtonKaka));
  ASSERT_TRUE(WaitUntil([&] { return IsShown(history) && ListBoxItems(history).size() == 3; }, 3000));
  const std::wstring listed = ListBoxItems(history)[0];

  ChooseListItems(history, {});
  Click(del);
  EXPECT_FALSE(WaitUntil([&] { return ListBoxItems(history).size() != 3; }, 1000)) << "deleted without a selection";
  ChooseListItems(history, {0, 2});
  Click(del);
  EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(history) == std::vector<std::wstring>{one}; }, 3000))
      << "the delete did not take exactly the two selected folders";
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(WindowControls, SearchButtonStandsInForBulkAddWhileItRuns) {
  SettingsKey::set(L"MEMORY", L"0,-1,0,0,0,0,0");  // memory view: "一括登録" is shown
  for (int i = 0; i < 40; ++i) {
    const std::wstring sub = L"tunes\\" + std::to_wstring(i);
    folder->makeFolder(sub);
    folder->writeFile(sub + L"\\t.wav", SilentWav());
  }
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND add = FindControl(main, ids::Button7), search = FindControl(main, ids::Button12);
  ASSERT_TRUE(IsShown(add));
  RECT addAt{}, searchAt{};
  GetWindowRect(add, &addAt);
  Click(add);
  ASSERT_TRUE(WaitUntil([&] { return IsShown(search); }, 5000)) << "\"検索中\" never showed";
  GetWindowRect(search, &searchAt);
  EXPECT_TRUE(EqualRect(&addAt, &searchAt)) << "\"検索中\" is not where \"一括登録\" was";
  EXPECT_TRUE(WaitUntil([&] { return !IsShown(search) && IsShown(add); }, 60000));
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

// The folder chooser on the real exe: opened with "参照" of the folder-setting dialog, a new
// folder named in the input box, a typed folder taken with "設定", and the result kept.
#include <windows.h>

#include <string>

#include "core/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

using FolderChooser = PlayerTest;

// Generous: on a loaded machine a cold start under Wine takes longer than the usual 5 s.
constexpr DWORD kWaitMs = 30000;

// The folder-setting dialog's and the chooser's controls.
enum : int {
  kSettingEdit = 105, kSettingBrowse = 107, kSettingSet = 109,
  kChooserFiles = 205, kChooserEdit = 208, kChooserNewFolder = 211, kChooserSet = 1,
  kInputEdit = 101, kInputRegister = 1,
  kBoxOk = 1, kBoxYes = 6,
};

// A control of a window that may still be coming up: found once the window shows.
HWND Part(HWND top, int id) {
  HWND c = nullptr;
  WaitUntil([&] { return IsWindowVisible(top) && (c = FindControl(top, id)) != nullptr; }, kWaitMs);
  return c;
}

void Type(HWND edit, const std::wstring& text) {
  SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                      nullptr);
}

// Answers the next message box of the player with the button id.
bool Answer(DWORD pid, int button) {
  HWND box = WaitForTopWindow(L"TMKBox", pid, kWaitMs);
  if (!box) return false;
  Click(Part(box, button));
  return WaitUntil([&] { return !IsWindow(box); }, kWaitMs);
}

// From the folder-setting dialog through "参照" to the chooser's own window.
HWND OpenChooser(HWND setting, DWORD pid) {
  Click(Part(setting, kSettingBrowse));
  return WaitForTopWindow(L"TDIR2VIEWForm", pid, kWaitMs);
}

TEST_F(FolderChooser, NewFolderFromBrowseBecomesTheExtractionFolderAfterARestart) {
  SettingsKey::set(L"Version", L"20");
  SettingsKey::set(L"SND_DIR", folder->makeFolder(L"mp3"));
  const std::wstring lzh = folder->makeFolder(L"lzh");
  folder->writeFile(L"lzh\\曲.lzh", std::string(1234, 'x'));
  auto player = start();
  HWND setting = WaitForTopWindow(kFolderDialogClass, player->id(), kWaitMs);
  ASSERT_NE(setting, nullptr);
  Type(Part(setting, kSettingEdit), lzh);
  HWND chooser = OpenChooser(setting, player->id());
  ASSERT_NE(chooser, nullptr);
  HWND field = Part(chooser, kChooserEdit);
  EXPECT_TRUE(WaitUntil([&] { return Text(field) == lzh; }, kWaitMs)) << testing::PrintToString(Text(field));
  // Every column of the file reaches the window, not only its name.
  HWND files = Part(chooser, kChooserFiles);
  EXPECT_TRUE(WaitUntil([&] { return ListViewText(files, player->handle(), 0, 0) == L"曲.lzh"; }, kWaitMs));
  EXPECT_NE(ListViewText(files, player->handle(), 0, 1).find(L"1,234"), std::wstring::npos)
      << testing::PrintToString(ListViewText(files, player->handle(), 0, 1));
  EXPECT_EQ(ListViewText(files, player->handle(), 0, 2), L"LZH");

  Click(Part(chooser, kChooserNewFolder));
  HWND input = WaitForTopWindow(L"TSNBox", player->id(), kWaitMs);
  ASSERT_NE(input, nullptr);
  Type(Part(input, kInputEdit), L"表示");
  Click(Part(input, kInputRegister));
  const std::wstring made = lzh + L"\\表示";
  EXPECT_TRUE(WaitUntil([&] { return Text(field) == made; }, kWaitMs)) << "field: " << testing::PrintToString(Text(field));
  EXPECT_NE(GetFileAttributesW(made.c_str()), INVALID_FILE_ATTRIBUTES);

  Click(Part(chooser, kChooserSet));
  EXPECT_TRUE(WaitUntil([&] { return Text(Part(setting, kSettingEdit)) == made; }, kWaitMs));
  Click(Part(setting, kSettingSet));
  ASSERT_TRUE(Answer(player->id(), kBoxOk));  // "フォルダーを登録しました"
  HWND main = WaitForUsableMainWindow(player->id(), kWaitMs);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(closeMain(main, *player), 0ul);
  EXPECT_EQ(SettingsKey::get(L"TEMPLZH").value_or(L""), made);

  // The next start takes it without asking.
  player = start();
  main = WaitForUsableMainWindow(player->id(), kWaitMs);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(FindTopWindow(kFolderDialogClass, player->id()), nullptr);
  EXPECT_EQ(closeMain(main, *player), 0ul);
  EXPECT_EQ(SettingsKey::get(L"TEMPLZH").value_or(L""), made);
}

TEST_F(FolderChooser, TypedFolderFromTheExtractionMenuIsStoredWithoutItsBackslash) {
  prepareAsMakeRun();
  auto player = start();
  HWND main = WaitForUsableMainWindow(player->id(), kWaitMs);
  ASSERT_NE(main, nullptr);
  ChooseMenuCommand(main, ids::TEMPLZH1);
  HWND setting = WaitForTopWindow(kFolderDialogClass, player->id(), kWaitMs);
  ASSERT_NE(setting, nullptr);
  HWND chooser = OpenChooser(setting, player->id());
  ASSERT_NE(chooser, nullptr);
  const std::wstring typed = folder->path() + L"ソフト解凍";
  Type(Part(chooser, kChooserEdit), typed + L"\\");
  Click(Part(chooser, kChooserSet));
  EXPECT_TRUE(WaitUntil([&] { return Text(Part(setting, kSettingEdit)) == typed; }, kWaitMs));
  Click(Part(setting, kSettingSet));
  ASSERT_TRUE(Answer(player->id(), kBoxYes));  // "フォルダーを作成します"
  ASSERT_TRUE(Answer(player->id(), kBoxOk));   // "フォルダーを登録しました"
  EXPECT_NE(GetFileAttributesW(typed.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(closeMain(main, *player), 0ul);
  EXPECT_EQ(SettingsKey::get(L"TEMPLZH").value_or(L""), typed);
}

}  // namespace
}  // namespace e2e

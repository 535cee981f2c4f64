// Choosing a folder in the flat folder list lists its files with the count in the header,
// and choosing a file shows its size, time and attributes in the status bar.
#include <windows.h>

#include <string>
#include <vector>

#include "core/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

using FolderChoice = PlayerTest;

// Sets a file's last-write time from a local time and its attributes.
void stamp(const std::wstring& path, WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s, DWORD attributes) {
  SYSTEMTIME local{y, mo, 0, d, h, mi, s, 0}, utc{};
  FILETIME ft{};
  ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc));
  ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
  HANDLE f = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(SetFileTime(f, nullptr, nullptr, &ft));
  CloseHandle(f);
  ASSERT_TRUE(SetFileAttributesW(path.c_str(), attributes));
}

// A read-only file would keep its folder from being removed after the test.
struct MadeWritableAtEnd {
  std::wstring path;
  ~MadeWritableAtEnd() { SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); }
};

int indexOfFolder(const std::vector<std::wstring>& items, const std::wstring& name) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].substr(items[i].find_first_not_of(L' ')) == name) return static_cast<int>(i);
  return -1;
}

TEST_F(FolderChoice, ChosenFolderListsItsFilesAndAChosenFileShowsItsDetails) {
  prepareAsMakeRun();
  const std::wstring music = folder->makeFolder(L"music");
  folder->makeFolder(L"music\\album");
  const std::wstring big = folder->writeFile(L"music\\album\\a.wav", std::string(12345, 'x'));
  folder->writeFile(L"music\\album\\b.mid", std::string(100, 'x'));
  folder->writeFile(L"music\\album\\c.mp3", std::string(7, 'x'));
  folder->writeFile(L"music\\album\\notes.txt", "not a tune");
  MadeWritableAtEnd writable{big};
  stamp(big, 2012, 5, 4, 10, 20, 30, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  SettingsKey::set(L"CPATH", music);
  SettingsKey::set(L"DirNo", L"0");
  SettingsKey::set(L"MEMORY", L"1,-1,0,0,0,0,0");
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND folders = FindControl(main, ids::ListBox1);
  HWND files = FindControl(main, ids::ListBox4);
  HWND header = FindControl(main, ids::HeaderControl1);
  HWND status = FindControl(main, ids::StatusBar2);
  EXPECT_EQ(HeaderText(header, player->handle(), 0), L"0ｺ　ファイル一覧");

  const int album = indexOfFolder(ListBoxItems(folders), L"album");
  ASSERT_GE(album, 0) << "the subfolder is not in the folder list";
  ChooseListItem(folders, album);
  EXPECT_TRUE(WaitUntil([&] { return HeaderText(header, player->handle(), 0) == L"3ｺ　ファイル一覧"; }, 3000))
      << "header: " << testing::PrintToString(HeaderText(header, player->handle(), 0));
  EXPECT_EQ(ListBoxItems(files), (std::vector<std::wstring>{L"a.wav", L"b.mid", L"c.mp3"}));

  ChooseListItem(files, 0);
  EXPECT_TRUE(WaitUntil([&] { return StatusBarText(status, player->handle(), 1) == L"  12,345"; }, 3000))
      << "size: " << testing::PrintToString(StatusBarText(status, player->handle(), 1));
  EXPECT_EQ(StatusBarText(status, player->handle(), 0), L"a.wav");
  EXPECT_EQ(StatusBarText(status, player->handle(), 2), L" 12/05/04 金 10:20:30 r  a");

  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

// Opening a file through its type's association in the real window: a type registered in the
// prefix starts its program with the file's path; a batch file opens in Notepad and is not run.
#include <windows.h>

#include <string>

#include "core/control_ids.h"
#include "player_fixture.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

constexpr DWORD kWaitMs = 20000;

void SetDefault(const std::wstring& key, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::string Cp932(const std::wstring& text) {
  char bytes[MAX_PATH * 2] = {};
  WideCharToMultiByte(932, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

TEST_F(PlayerTest, OpeningThroughTheAssociationStartsTheTypesProgramAndABatchFileOnlyInNotepad) {
  prepareAsMakeRun();
  // The command-line recorder is built beside this test.
  wchar_t self[MAX_PATH] = {};
  const std::wstring test(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  const std::wstring recorder = test.substr(0, test.find_last_of(L'\\') + 1) + L"command_recorder.exe";
  ASSERT_TRUE(CopyFileW(recorder.c_str(), (folder->path() + L"recorder.exe").c_str(), FALSE));
  SetDefault(L".zlt", L"ZelcorTest.File");
  SetDefault(L"ZelcorTest.File\\shell\\open\\command", L"\"" + folder->path() + L"recorder.exe\" \"%1\"");
  const std::string tune = Cp932(folder->writeFile(L"曲 one.zlt", "x"));
  const std::string batch = Cp932(folder->writeFile(L"make.bat", "mkdir ran\r\n"));
  folder->writeFile(L"BGM.LIM", tune + "\r\n" + batch + "\r\n");
  SettingsKey::set(L"M_Fn", L"BGM");
  SettingsKey::set(L"MEMORY", L"0,-1,0,0,0,0,0");  // memory view, full paths
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND memory = FindControl(main, ids::ListBox2);
  ASSERT_TRUE(WaitUntil([&] { return ListBoxItems(memory).size() == 2; }, kWaitMs));

  ClickAt(memory, ListEntryPoint(memory, 0));
  ASSERT_TRUE(WaitUntil([&] { return ListEntrySelected(memory, 0); }, kWaitMs));
  ChooseMenuCommand(main, ids::PKANREN);
  std::vector<std::string> recorded;
  EXPECT_TRUE(WaitUntil([&] { return !(recorded = folder->readLines(L"command.txt")).empty(); }, kWaitMs));
  // The template comes upper-cased; the path keeps its case.
  std::wstring program = folder->path() + L"recorder.exe";
  CharUpperW(program.data());
  const std::string expected = std::string(1, '"').append(Cp932(program)).append("\" \"").append(tune).append("\"");
  EXPECT_EQ(recorded, std::vector<std::string>{expected});

  ClickAt(memory, ListEntryPoint(memory, 1));
  ASSERT_TRUE(WaitUntil([&] { return ListEntrySelected(memory, 1) && !ListEntrySelected(memory, 0); }, kWaitMs));
  ChooseMenuCommand(main, ids::PKANREN);
  HWND notepad = nullptr;
  EXPECT_TRUE(WaitUntil([&] { return (notepad = FindWindowW(L"Notepad", nullptr)) != nullptr; }, kWaitMs));
  PostMessageW(notepad, WM_CLOSE, 0, 0);
  EXPECT_EQ(GetFileAttributesW((folder->path() + L"ran").c_str()), INVALID_FILE_ATTRIBUTES) << "the batch file ran";
  EXPECT_EQ(closeMain(main, *player), 0ul);
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".zlt");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ZelcorTest.File");
}

}  // namespace
}  // namespace e2e

// The file tools on the real exe: the selected files renamed through the rename dialog in
// numbered mode, copied into a folder picked in the folder chooser, a memory row moved, and
// the kana report and the text view opening Notepad, and an entry deleted from its archive
// with the real UnLha32.dll.
#include <windows.h>
#include <tlhelp32.h>

#include <filesystem>
#include <string>

#include "core/control_ids.h"
#include "lzh_archive.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

constexpr DWORD kWaitMs = 30000;

struct FileTools : PlayerTest {
  // Starts the player on a memory of one row and selects it; the main window, or null.
  HWND startOnTheMemoryRow(std::unique_ptr<PlayerProcess>& player, HWND& memory) {
    HWND main = startUsable(player);
    if (!main) return nullptr;
    memory = FindControl(main, ids::ListBox2);
    if (!WaitUntil([&] { return ListBoxItems(memory).size() == 1; }, kWaitMs)) return nullptr;
    ClickAt(memory, ListEntryPoint(memory, 0));
    return WaitUntil([&] { return ListEntrySelected(memory, 0); }, kWaitMs) ? main : nullptr;
  }
};

enum : int {
  kRenameNewName = 107, kRenameOk = 1, kRenameNumbered = 111,
  kChooserEdit = 208, kChooserSet = 1,
  kBoxText = 100, kBoxOk = 1, kBoxYes = 6,
};

HWND Part(HWND top, int id) {
  HWND c = nullptr;
  WaitUntil([&] { return IsWindowVisible(top) && (c = FindControl(top, id)) != nullptr; }, kWaitMs);
  return c;
}

// Answers the next message box with the button id; its text, or "" when none came.
std::wstring Answer(DWORD pid, int button) {
  HWND box = WaitForTopWindow(L"TMKBox", pid, kWaitMs);
  if (!box) return L"";
  const std::wstring text = Text(Part(box, kBoxText));
  Click(Part(box, button));
  WaitUntil([&] { return !IsWindow(box); }, kWaitMs);
  return text;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

FILETIME WriteTime(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

std::string Bytes(const std::wstring& path) {
  std::string out;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return out;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
  CloseHandle(h);
  return out;
}

// Ends every Notepad of the prefix; how many there were.
int EndNotepads() {
  int ended = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, L"notepad.exe") != 0) continue;
    if (HANDLE p = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
      ended += TerminateProcess(p, 0) ? 1 : 0;
      CloseHandle(p);
    }
  }
  CloseHandle(snapshot);
  return ended;
}

// A memory of the given rows (CP932 full paths), shown in the memory view after the start.
void UseMemory(PlayerFolder& folder, const std::vector<std::wstring>& paths) {
  std::string lines;
  for (const auto& path : paths) {
    char row[MAX_PATH * 2] = {};
    WideCharToMultiByte(932, 0, path.c_str(), -1, row, sizeof row, nullptr, nullptr);
    lines += std::string(row) + "\r\n";
  }
  folder.writeFile(L"BGM.LIM", lines);
  SettingsKey::set(L"M_Fn", L"BGM");
  SettingsKey::set(L"MEMORY", L"0,-1,0,0,0,0,0");  // memory view, full paths
}

TEST_F(FileTools, TwoFilesRenamedInNumberedModeCarryTheNewNamesAndTheNumberAdvances) {
  prepareAsMakeRun();
  const std::wstring tunes = folder->makeFolder(L"tunes");
  folder->writeFile(L"tunes\\a.wav", SilentWav());
  folder->writeFile(L"tunes\\b.wav", SilentWav());
  SettingsKey::set(L"CPATH", tunes);
  SettingsKey::set(L"ReName", L"曲");
  SettingsKey::set(L"Auto_No", L"5");
  SettingsKey::set(L"Auto_No_KETA", L"2");
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND files = FindControl(main, ids::ListBox4);
  ASSERT_TRUE(WaitUntil([&] { return ListBoxItems(files).size() == 2; }, kWaitMs));
  ChooseListItems(files, {0, 1});
  ChooseMenuCommand(main, ids::PRENAME);

  for (const wchar_t* expected : {L"曲05.wav", L"曲06.wav"}) {
    HWND dialog = WaitForTopWindow(L"TRENAMEBox", player->id(), kWaitMs);
    ASSERT_NE(dialog, nullptr) << "no rename dialog for " << testing::PrintToString(std::wstring(expected));
    HWND name = Part(dialog, kRenameNewName);
    // The first dialog opens in the plain mode; the second keeps the numbered mode.
    if (IsShown(Part(dialog, kRenameNumbered))) Click(Part(dialog, kRenameNumbered));
    EXPECT_TRUE(WaitUntil([&] { return Text(name) == expected; }, kWaitMs)) << testing::PrintToString(Text(name));
    Click(Part(dialog, kRenameOk));
    WaitUntil([&] { return !IsWindow(dialog); }, kWaitMs);
  }
  EXPECT_EQ(Answer(player->id(), kBoxOk), L"2個のファイルをリネームしました。");
  EXPECT_TRUE(Exists(tunes + L"\\曲05.wav"));
  EXPECT_TRUE(Exists(tunes + L"\\曲06.wav"));
  EXPECT_FALSE(Exists(tunes + L"\\a.wav"));
  EXPECT_EQ(ListBoxItems(files), (std::vector<std::wstring>{L"曲05.wav", L"曲06.wav"}));
  EXPECT_EQ(closeMain(main, *player), 0ul);
  EXPECT_EQ(SettingsKey::get(L"Auto_No").value_or(L""), L"7");
}

TEST_F(FileTools, ThreeFilesCopiedIntoAChosenFolderAskBeforeOverwritingAndKeepTheirTimes) {
  prepareAsMakeRun();
  const std::wstring tunes = folder->makeFolder(L"tunes");
  const std::wstring out = folder->makeFolder(L"out");
  const std::wstring names[] = {L"a.wav", L"b.wav", L"春の歌.wav"};
  for (const auto& n : names) folder->writeFile(L"tunes\\" + n, SilentWav() + std::string(n.size(), 'x'));
  folder->writeFile(L"out\\b.wav", "older");
  SettingsKey::set(L"CPATH", tunes);
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND files = FindControl(main, ids::ListBox4);
  ASSERT_TRUE(WaitUntil([&] { return ListBoxItems(files).size() == 3; }, kWaitMs));
  ChooseListItems(files, {0, 1, 2});
  ChooseMenuCommand(main, ids::PCOPY);

  HWND chooser = WaitForTopWindow(L"TDIR2VIEWForm", player->id(), kWaitMs);
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(Text(chooser).rfind(L"コピー先、フォルダーの選択", 0), 0u) << testing::PrintToString(Text(chooser));
  SendMessageW(Part(chooser, kChooserEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(out.c_str()));
  Click(Part(chooser, kChooserSet));
  const std::wstring question = Answer(player->id(), kBoxYes);
  EXPECT_EQ(question.rfind(out + L"\\b.wav", 0), 0u) << testing::PrintToString(question);
  EXPECT_NE(question.find(L"旧：5 "), std::wstring::npos) << testing::PrintToString(question);
  EXPECT_NE(question.find(L"新："), std::wstring::npos);
  EXPECT_NE(question.find(L"同名ファイルが存在します。"), std::wstring::npos);
  EXPECT_EQ(Answer(player->id(), kBoxOk), L"3個のファイルをコピーしました。");
  for (const auto& n : names) {
    const FILETIME from = WriteTime(tunes + L"\\" + n), to = WriteTime(out + L"\\" + n);
    EXPECT_EQ(Bytes(out + L"\\" + n), Bytes(tunes + L"\\" + n)) << testing::PrintToString(n);
    EXPECT_EQ(CompareFileTime(&from, &to), 0) << testing::PrintToString(n);
  }
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(FileTools, AMemoryRowMovedToAnotherFolderPointsThereAfterARestart) {
  prepareAsMakeRun();
  const std::wstring tunes = folder->makeFolder(L"tunes");
  const std::wstring out = folder->makeFolder(L"out");
  const std::wstring tune = folder->writeFile(L"tunes\\a.wav", SilentWav());
  UseMemory(*folder, {tune});
  SettingsKey::set(L"CPATH", tunes);
  std::unique_ptr<PlayerProcess> player;
  HWND memory = nullptr;
  HWND main = startOnTheMemoryRow(player, memory);
  ASSERT_NE(main, nullptr);
  ChooseMenuCommand(main, ids::PIDO);
  HWND chooser = WaitForTopWindow(L"TDIR2VIEWForm", player->id(), kWaitMs);
  ASSERT_NE(chooser, nullptr);
  SendMessageW(Part(chooser, kChooserEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(out.c_str()));
  Click(Part(chooser, kChooserSet));
  EXPECT_EQ(Answer(player->id(), kBoxOk), L"1個のファイルを移動しました。");
  EXPECT_FALSE(Exists(tune));
  EXPECT_TRUE(Exists(out + L"\\a.wav"));
  EXPECT_EQ(closeMain(main, *player), 0ul);

  main = startUsable(player);
  ASSERT_NE(main, nullptr);
  memory = FindControl(main, ids::ListBox2);
  EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(memory) == std::vector<std::wstring>{out + L"\\a.wav"}; }, kWaitMs))
      << testing::PrintToString(ListBoxItems(memory));
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(FileTools, KanaReportAndTextViewOpenNotepad) {
  prepareAsMakeRun();
  const std::wstring text = folder->writeFile(L"kana.txt", "\xB6\xDE\r\n");  // ｶﾞ
  UseMemory(*folder, {text});
  std::unique_ptr<PlayerProcess> player;
  HWND memory = nullptr;
  HWND main = startOnTheMemoryRow(player, memory);
  ASSERT_NE(main, nullptr);

  ChooseMenuCommand(main, ids::PKANA);
  EXPECT_EQ(Answer(player->id(), kBoxOk), L"半角カナ全角変換\r\n1個のファイルを変換しました。");
  const auto report = folder->readLines(L"KANA$$$$.TXT");
  ASSERT_EQ(report.size(), 7u);
  EXPECT_EQ(report[6], "\x83\x4B");  // ガ
  EXPECT_TRUE(WaitUntil([] { return EndNotepads() > 0; }, kWaitMs)) << "no Notepad on the kana report";

  ChooseMenuCommand(main, ids::PTEXT);
  EXPECT_TRUE(WaitUntil([] { return EndNotepads() > 0; }, kWaitMs)) << "no Notepad on the file";
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

TEST_F(FileTools, AnEntryDeletedThroughAMemoryRowLeavesItsArchiveOneEntryShort) {
  prepareAsMakeRun();
  const std::wstring exeFolder = std::filesystem::path(BuiltPlayerExe()).parent_path().wstring() + L"\\";
  ASSERT_TRUE(CopyFileW((exeFolder + L"UnLha32.dll").c_str(), (folder->path() + L"UnLha32.dll").c_str(), FALSE));
  const std::wstring archive = folder->writeFile(L"SONGS.LZH", LzhArchive({{"A.WAV", "a"}, {"B.WAV", "b"}, {"C.WAV", "c"}}));
  UseMemory(*folder, {L"/" + archive + L"/B.WAV"});
  std::unique_ptr<PlayerProcess> player;
  HWND memory = nullptr;
  HWND main = startOnTheMemoryRow(player, memory);
  ASSERT_NE(main, nullptr);
  ChooseMenuCommand(main, ids::PKILL_LZH);
  EXPECT_EQ(Answer(player->id(), kBoxYes).rfind(L"実際に削除では、", 0), 0u);
  EXPECT_EQ(Answer(player->id(), kBoxOk), L"0個のファイルを削除しました。\r\n\r\nlzh内ファイルは、1個、削除しました。");
  EXPECT_EQ(LzhEntryNames(Bytes(archive)), (std::vector<std::string>{"A.WAV", "C.WAV"}));
  EXPECT_TRUE(ListBoxItems(memory).empty());
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

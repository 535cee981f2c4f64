// Opening a file through its type's association in the real window: a type registered in the
// prefix starts its program with the file's path; a batch file opens in Notepad and is not run.
#include <windows.h>
#include <tlhelp32.h>

#include <string>

#include "core/control_ids.h"
#include "player_fixture.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

constexpr DWORD kWaitMs = 20000;

// A file type with an open command, registered for one test.
class RegisteredType {
 public:
  RegisteredType(const std::wstring& ext, const std::wstring& cls, const std::wstring& command) : ext_(ext), cls_(cls) {
    set(ext_, cls_);
    set(cls_ + L"\\shell\\open\\command", command);
  }
  ~RegisteredType() {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, ext_.c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, cls_.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, ext_.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, cls_.c_str());
  }

 private:
  static void set(const std::wstring& key, const std::wstring& value) {
    HKEY k = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS)
      return;
    RegSetValueExW(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(k);
  }
  std::wstring ext_, cls_;
};

// The command-line recorder built beside this test.
std::wstring RecorderExe() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self);
  return path.substr(0, path.find_last_of(L'\\') + 1) + L"command_recorder.exe";
}

std::wstring ReadWide(const std::wstring& path) {
  std::wstring text;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return text;
  wchar_t buffer[1024];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got / sizeof(wchar_t));
  CloseHandle(h);
  return text;
}

// Ends every process of the prefix running that program; how many there were.
int EndProcesses(const wchar_t* exeName) {
  int ended = 0;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, exeName) != 0) continue;
    if (HANDLE p = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID)) {
      ended += TerminateProcess(p, 0) ? 1 : 0;
      CloseHandle(p);
    }
  }
  CloseHandle(snapshot);
  return ended;
}

std::string Cp932(const std::wstring& text) {
  char bytes[MAX_PATH * 2] = {};
  WideCharToMultiByte(932, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
  return bytes;
}

TEST_F(PlayerTest, OpeningThroughTheAssociationStartsTheTypesProgramAndABatchFileOnlyInNotepad) {
  prepareAsMakeRun();
  const std::wstring recorder = folder->path() + L"recorder.exe";
  ASSERT_TRUE(CopyFileW(RecorderExe().c_str(), recorder.c_str(), FALSE)) << "build command_recorder first";
  RegisteredType type(L".zlt", L"ZelcorTest.File", L"\"" + recorder + L"\" \"%1\"");
  const std::wstring tune = folder->writeFile(L"曲 one.zlt", "x");
  const std::wstring batch = folder->writeFile(L"make.bat", "mkdir ran\r\n");
  folder->writeFile(L"BGM.LIM", Cp932(tune) + "\r\n" + Cp932(batch) + "\r\n");
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
  const std::wstring recorded = folder->path() + L"command.txt";
  ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesW(recorded.c_str()) != INVALID_FILE_ATTRIBUTES; }, kWaitMs))
      << "the associated program did not start";
  const std::wstring line = ReadWide(recorded), program = L"\"" + recorder + L"\" ";
  EXPECT_EQ(_wcsnicmp(line.c_str(), program.c_str(), program.size()), 0) << testing::PrintToString(line);
  EXPECT_EQ(line.substr(program.size()), L"\"" + tune + L"\"");  // the path keeps its case

  ClickAt(memory, ListEntryPoint(memory, 1));
  ASSERT_TRUE(WaitUntil([&] { return ListEntrySelected(memory, 1) && !ListEntrySelected(memory, 0); }, kWaitMs));
  ChooseMenuCommand(main, ids::PKANREN);
  EXPECT_TRUE(WaitUntil([] { return EndProcesses(L"notepad.exe") > 0; }, kWaitMs)) << "no Notepad on the batch file";
  EXPECT_EQ(GetFileAttributesW((folder->path() + L"ran").c_str()), INVALID_FILE_ATTRIBUTES) << "the batch file ran";
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

// Installing from a copy named as a setup program, starting the installed player, and
// uninstalling it again in both stages, all in the real windows of the prefix.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "core/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "settings_key.h"

namespace e2e {
namespace {

constexpr DWORD kWaitMs = 10000;
constexpr int kBoxText = 100, kBoxOk = 1, kBoxYes = 6;
const wchar_t kUninstallEntry[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZELCOR32";
const wchar_t kGroup[] = L"Zelcor E2E";

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring MachineValue(const wchar_t* name) {
  wchar_t value[512] = {};
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallEntry, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return L"(none)";
  return value;
}

HWND Part(HWND top, int id) {
  HWND c = nullptr;
  WaitUntil([&] { return (c = FindControl(top, id)) != nullptr; }, kWaitMs);
  return c;
}

// Answers the next message box of any process with the button; its text, "" when none came.
std::wstring Answer(int button) {
  HWND box = WaitForTopWindow(L"TMKBox", 0, kWaitMs);
  if (!box) return L"";
  const std::wstring text = Text(Part(box, kBoxText));
  Click(Part(box, button));
  WaitUntil([&] { return !IsWindow(box); }, kWaitMs);
  return text;
}

TEST_F(PlayerTest, SetupInstallsTheStartedPlayerAndUninstallKeepsTheUsersFile) {
  PlayerFolder setup(L"zelSETUP.exe");
  const std::wstring built = BuiltPlayerExe();
  ASSERT_TRUE(CopyFileW((built.substr(0, built.rfind(L'\\') + 1) + L"UnLha32.dll").c_str(),
                        (setup.path() + L"UnLha32.dll").c_str(), FALSE));
  const std::wstring target = setup.path() + L"installed\\BGM";
  const std::wstring exe = target + L"\\ZELCOR32.EXE";
  wchar_t programs[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs);
  const std::wstring link = std::wstring(programs) + L"\\" + kGroup + L"\\Zelcor32 B-G-M.lnk";

  {
    PlayerProcess installer(setup.exe());
    HWND window = WaitForTopWindow(kSetupWindowClass, installer.id(), kWaitMs);
    ASSERT_NE(window, nullptr) << "no setup window";
    SendMessageTimeoutW(Part(window, setup_ids::Edit1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(target.c_str()),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, nullptr);
    HWND groupField = FindWindowExW(Part(window, setup_ids::ComboBox1), nullptr, L"Edit", nullptr);
    ASSERT_NE(groupField, nullptr) << "the group box takes no typed name";
    // Typed key by key, as the combo box reports only what the user types.
    for (const wchar_t* c = kGroup; *c; ++c)
      SendMessageTimeoutW(groupField, WM_CHAR, *c, 1, SMTO_ABORTIFHUNG, kSendTimeoutMs, nullptr);
    Click(Part(window, setup_ids::Button3));
    const std::wstring done = Answer(kBoxOk);
    EXPECT_EQ(done.find(L"登録完了です。"), 0u) << testing::PrintToString(done);
    EXPECT_EQ(installer.waitExit(kWaitMs), 0ul);
  }
  EXPECT_TRUE(Exists(exe) && Exists(target + L"\\UnLha32.dll"));
  EXPECT_EQ(_wcsicmp(LinkTarget(link).c_str(), exe.c_str()), 0) << "the group item does not start the player";
  EXPECT_EQ(MachineValue(L"DisplayName"), L"ZUMIKSOFT Zelcor32 B-G-M V2.0");
  EXPECT_EQ(MachineValue(L"UninstallString"), exe + L" /uninstall");
  EXPECT_EQ(SettingsKey::get(L"Version"), std::optional<std::wstring>(L"20"));

  SettingsKey::set(L"TEMPLZH", setup.makeFolder(L"extract"));
  SettingsKey::set(L"SND_DIR", setup.makeFolder(L"mp3"));
  {
    PlayerProcess player(exe);
    HWND main = WaitForUsableMainWindow(player.id(), kWaitMs);
    ASSERT_NE(main, nullptr) << "the installed program did not start as the player";
    EXPECT_EQ(closeMain(main, player), 0ul);
  }

  const std::wstring own = setup.writeFile(L"installed\\BGM\\my notes.txt", "mine");
  {
    PlayerProcess uninstaller(exe, {L"/uninstall"});
    for (int question = 0; question < 3; ++question) EXPECT_NE(Answer(kBoxYes), L"") << "question " << question;
    EXPECT_EQ(uninstaller.waitExit(kWaitMs), 0ul);
  }
  // The uninstaller copy deletes the program file, then says it could not remove the folder.
  EXPECT_EQ(Answer(kBoxOk), L"フォルダー削除エラー");
  EXPECT_NE(Answer(kBoxOk).find(L"お疲れ様"), std::wstring::npos);
  EXPECT_TRUE(WaitUntil([&] { return FindTopWindow(kSetupWindowClass) == nullptr; }, kWaitMs));
  EXPECT_FALSE(Exists(exe));
  EXPECT_FALSE(Exists(link));
  EXPECT_EQ(MachineValue(L"DisplayName"), L"(none)");
  EXPECT_TRUE(Exists(own)) << "the user's file went too";

  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  DeleteFileW((std::wstring(windows) + L"\\unin_zumik000.exe").c_str());
}

}  // namespace
}  // namespace e2e

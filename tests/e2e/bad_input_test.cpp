// Garbage in the registry or from the shell never brings the player down.
#include "core/control_ids.h"
#include "player_fixture.h"
#include "player_windows.h"
#include "remote_window.h"
#include "dropped_files.h"
#include "settings_key.h"

namespace e2e {
namespace {

class BadInput : public PlayerTest {
 protected:
  // Starts, checks the player answers, closes, and checks it saved everything.
  void expectStartsAndClosesCleanly() {
    std::unique_ptr<PlayerProcess> player;
    HWND main = startUsable(player);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(Responds(main));
    EXPECT_EQ(closeMain(main, *player), 0ul);
    EXPECT_EQ(MissingSettings(), std::vector<std::string>{});
  }
};

TEST_F(BadInput, SixtyFourKilobyteRegistryValues) {
  prepareAsMakeRun();
  // 64 KB in the program's own code page: double-byte and single-byte characters mixed.
  const std::wstring huge = std::wstring(16384, L'曲') + std::wstring(32768, L'9');
  for (const wchar_t* name : {L"FILENAME", L"CPATH", L"KAKUCHOSHI"}) SettingsKey::set(name, huge);
  expectStartsAndClosesCleanly();
  EXPECT_NE(SettingsKey::get(L"KAKUCHOSHI"), huge) << "an unusable extension list was kept";
}

TEST_F(BadInput, FolderOnMissingDrive) {
  ASSERT_EQ(GetDriveTypeW(L"Q:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR)) << "drive Q: exists here";
  prepareAsMakeRun();
  SettingsKey::set(L"CPATH", L"Q:\\NO\\SUCH");
  expectStartsAndClosesCleanly();
}

TEST_F(BadInput, DroppedPathsOver300CharactersAreIgnored) {
  prepareAsMakeRun();
  const std::wstring normal = folder->writeFile(L"落とした曲.wav", SilentWav());
  const std::wstring overlong = folder->path() + std::wstring(300, L'x') + L".wav";
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND memory = FindControl(main, ids::ListBox2);
  ASSERT_TRUE(DropFiles(main, player->handle(), {overlong, normal}));
  EXPECT_TRUE(WaitUntil([&] { return !ListBoxItems(memory).empty(); }, 3000)) << "nothing was taken";
  EXPECT_EQ(ListBoxItems(memory), std::vector<std::wstring>{normal});
  EXPECT_TRUE(Responds(main));
  EXPECT_EQ(closeMain(main, *player), 0ul);
}

}  // namespace
}  // namespace e2e

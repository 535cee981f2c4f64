// WAV to MP3 conversion in the real player under Wine: two WAVs of the file list and a WAV in
// an archive of a memory convert into the save folder, carry the MPEG Layer-3 tag, play
// through MCI and appear in the record; a long file converts while the window keeps
// answering, and "中断" stops it leaving nothing. The converted files and their sources are
// left in kLeftForDecoding for the Linux side to decode (Wine cannot run mpg123 or lame).
#include <windows.h>
#include <mmsystem.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "lzh_archive.h"
#include "platform/win32/text.h"
#include "playback_fixture.h"
#include "test_signals.h"

namespace e2e {
namespace {

namespace sig = zelcor::mp3::testing;
namespace fs = std::filesystem;

// Beside the test's working folder: source\NAME and converted\NAME.
const fs::path kLeftForDecoding = L"mp3_outputs";

std::string Bytes(const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); }

std::string ReadWhole(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Opens a file as a wave file through MCI and plays it to its end; its length in ms, or -1.
long PlayThroughMci(const std::wstring& path) {
  wchar_t reply[64] = L"";
  auto mci = [&](const std::wstring& command) { return mciSendStringW(command.c_str(), reply, 64, nullptr); };
  if (mci(L"open \"" + path + L"\" type waveaudio alias converted") != 0) return -1;
  // Kept loaded, as the player does: the driver's own thread may outlive the last close.
  HMODULE driver = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"mciwave.dll", &driver);
  mci(L"set converted time format milliseconds");
  mci(L"status converted length");
  const long length = _wtol(reply);
  const bool played = mci(L"play converted wait") == 0 && mci(L"status converted position") == 0 && _wtol(reply) == length;
  mci(L"close converted");
  return played ? length : -1;
}

class Mp3Conversion : public Playback {
 protected:
  void SetUp() override {
    Playback::SetUp();
    SettingsKey::set(L"No_Memo", L"1");  // the record is written, Notepad stays shut
    // The format in use is the player's own, whatever an earlier run in this prefix chose.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Multimedia\\Audio", L"DefaultFormat");
  }
  std::wstring saved() const { return folder->path() + L"mp3\\"; }
  HWND startOnTunes(std::unique_ptr<PlayerProcess>& player, size_t count) {
    HWND main = startUsable(player);
    if (!main) return nullptr;
    HWND list = FindControl(main, ids::ListBox4);
    if (!WaitUntil([&] { return ListBoxItems(list).size() == count; }, 5000)) return nullptr;
    return main;
  }
};

TEST_F(Mp3Conversion, TwoWavsOfTheFileListAndOneOfAnArchiveConvertPlayAndAreRecorded) {
  fs::remove_all(kLeftForDecoding);
  const std::map<std::wstring, std::string> sources{
      {L"a.wav", Bytes(sig::WavImage(sig::Tune(44100, 2, 1.0), 44100, 16))},
      {L"b.wav", Bytes(sig::WavImage(sig::Tune(22050, 1, 1.0), 22050, 8))},
      {L"C.WAV", Bytes(sig::WavImage(sig::Tune(32000, 2, 1.0), 32000, 16))}};
  tune(L"a.wav", sources.at(L"a.wav"));
  tune(L"b.wav", sources.at(L"b.wav"));
  // The memory holds one entry of an archive, converted from its copy extracted to LZH_POPM.
  const fs::path exeFolder = fs::path(BuiltPlayerExe()).parent_path();
  ASSERT_TRUE(CopyFileW((exeFolder / L"UnLha32.dll").c_str(), (folder->path() + L"UnLha32.dll").c_str(), FALSE));
  folder->writeFile(L"ARC.LZH", LzhArchive({{"C.WAV", sources.at(L"C.WAV")}}));
  folder->writeFile(L"ARC_M.LIM", platform::win32::FromWide(L"/" + folder->path() + L"ARC.LZH/C.WAV\r\n"));
  SettingsKey::set(L"M_Fn", L"ARC_M");
  std::unique_ptr<PlayerProcess> player;
  HWND main = startOnTunes(player, 2);
  ASSERT_NE(main, nullptr);
  ChooseListItems(FindControl(main, ids::ListBox4), {0, 1});
  ChooseMenuCommand(main, ids::P_MP3_HENKAN);
  // Each success message stays up for its 3 s before the next file starts.
  ASSERT_TRUE(WaitUntil([&] { return Exists(folder->path() + L"MP3$$$$.TXT"); }, 30000)) << "no record report";
  ASSERT_TRUE(WaitUntil([&] { return Text(main) == kIdleTitle; }, 5000)) << Text(main);
  Click(FindControl(main, ids::Button9));  // the memory view
  ChooseListItems(FindControl(main, ids::ListBox2), {0});
  ChooseMenuCommand(main, ids::P_MP3_HENKAN);
  ASSERT_TRUE(WaitUntil([&] { return Exists(saved() + L"C.WAV") && Text(main) == kIdleTitle; }, 30000));

  for (const auto& [name, bytes] : sources) {
    SCOPED_TRACE(platform::win32::FromWide(name));
    const std::string out = ReadWhole(saved() + name);
    ASSERT_GT(out.size(), 44u);
    EXPECT_EQ(out.substr(0, 4), "RIFF");
    EXPECT_EQ(static_cast<unsigned char>(out[20]) | static_cast<unsigned char>(out[21]) << 8, 0x0055);
    EXPECT_NEAR(PlayThroughMci(saved() + name), 1000, 60) << "did not play to its end through MCI";
    fs::create_directories(kLeftForDecoding / L"source");
    fs::create_directories(kLeftForDecoding / L"converted");
    std::ofstream(kLeftForDecoding / L"source" / name, std::ios::binary) << bytes;
    fs::copy_file(saved() + name, kLeftForDecoding / L"converted" / name, fs::copy_options::overwrite_existing);
  }
  EXPECT_FALSE(Exists(saved() + L"ZUMIK$$.WaV"));
  std::error_code ec;
  EXPECT_TRUE(fs::is_empty(folder->path() + L"LZH_POPM", ec) && !ec) << "the extracted copy was left";
  EXPECT_EQ(closeMain(main, *player), 0ul);
  // The record of both batches, written again at the end of the second.
  std::string record;
  for (const std::string& line : folder->readLines(L"MP3$$$$.TXT")) record += line + "\n";
  for (const char* name : {"mp3\\a.wav", "mp3\\b.wav", "mp3\\C.WAV"}) EXPECT_NE(record.find(name), std::string::npos) << name;
}

TEST_F(Mp3Conversion, TheWindowAnswersWhileALongFileConvertsAndStopLeavesNothing) {
  tune(L"long.wav", Bytes(sig::WavImage(sig::Tune(44100, 2, 180.0), 44100, 16)));
  std::unique_ptr<PlayerProcess> player;
  HWND main = startOnTunes(player, 1);
  ASSERT_NE(main, nullptr);
  ChooseListItems(FindControl(main, ids::ListBox4), {0});
  ChooseMenuCommand(main, ids::P_MP3_HENKAN);
  ASSERT_TRUE(WaitUntil([&] { return Text(main).find(L" (変換中) ") != std::wstring::npos; }, 5000)) << Text(main);
  DWORD slowest = 0;
  for (int i = 0; i < 10; ++i) {
    const DWORD before = GetTickCount();
    EXPECT_TRUE(Responds(main));
    slowest = std::max(slowest, GetTickCount() - before);
    Sleep(100);  // the stop below must come while the file still converts
  }
  EXPECT_LT(slowest, 1000ul) << "the window did not answer within a second while converting";
  EXPECT_NE(Text(main).find(L"%"), std::wstring::npos) << "no percentage in the title";
  Click(FindControl(main, ids::Button5));  // "中断"
  EXPECT_TRUE(WaitUntil([&] { return Text(main) == kIdleTitle; }, 20000)) << Text(main);
  EXPECT_FALSE(Exists(saved() + L"long.wav"));
  EXPECT_FALSE(Exists(saved() + L"ZUMIK$$.WaV"));
  RequestClose(main);
  EXPECT_TRUE(player->waitExit(20000).has_value());
}

}  // namespace
}  // namespace e2e

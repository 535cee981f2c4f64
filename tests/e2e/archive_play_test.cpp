// A memory holding one LZH archive plays on the real player, with the real UnLha32.dll beside
// it: each entry is extracted to LZH_TEMP, plays, and goes to the history as an archive
// reference; the entries take their volume values from the archive's volume line; with K8
// only the entry playing now stays extracted. Two files compressed through the pop-up menu
// land in the named archive of the "$$$$圧縮" folder.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>

#include "core/control_ids.h"
#include "lzh_archive.h"
#include "platform/win32/text.h"
#include "playback_fixture.h"

namespace e2e {
namespace {

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  std::error_code ec;
  for (auto& e : std::filesystem::directory_iterator(folder, ec)) names.push_back(e.path().filename().wstring());
  return names;
}

TEST_F(Playback, MemoryOfOneArchivePlaysEachEntryExtractedAndRecordsItsReference) {
  const std::wstring exeFolder = std::filesystem::path(BuiltPlayerExe()).parent_path().wstring() + L"\\";
  ASSERT_TRUE(CopyFileW((exeFolder + L"UnLha32.dll").c_str(), (folder->path() + L"UnLha32.dll").c_str(), FALSE));
  const std::wstring archive = tunes + L"\\SONGS.LZH";
  tune(L"SONGS.LZH", LzhArchive({{"X.WAV", ToneWav(700)}, {"Y.WAV", ToneWav(700)}, {"Z.WAV", ToneWav(700)}}));
  const std::string archivePath = platform::win32::FromWide(archive);
  folder->writeFile(L"SONGS_M.LIM", archivePath + "\r\n");
  folder->writeFile(L"SONGS_M.LIV", "/10/20/\r\n");  // volume values of X and Y only
  SettingsKey::set(L"M_Fn", L"SONGS_M");
  SettingsKey::set(L"MEMORY", L"0,-1,0,0,0,0,0");        // the memory view, full paths
  SettingsKey::set(L"SAISEIM", L"0,0,0,0,0,0,1,0");     // continuous, K8: delete extracted files
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  Click(FindControl(main, ids::Button2));
  std::vector<std::wstring> titles, extractedWhileZPlays;
  WaitUntil([&] {
    const std::wstring t = Text(main);
    if (t == Title(L"Z.WAV") && extractedWhileZPlays.empty()) extractedWhileZPlays = FilesIn(folder->path() + L"LZH_TEMP");
    if (!t.empty() && (titles.empty() || titles.back() != t)) titles.push_back(t);
    return t == kIdleTitle && std::count(titles.begin(), titles.end(), Title(L"Z.WAV")) > 0;
  }, 20000);
  // The extraction title lasts as long as the extraction (and the idle title between tunes as
  // long as a step): a poll may see them or not, but never out of order.
  const std::wstring extracting = L" (解凍中)";
  std::vector<std::wstring> playing;
  std::wstring extracted;  // the name in the last extraction title seen
  int extractionTitles = 0;
  for (const auto& t : titles) {
    if (t.size() > 9 + extracting.size() && t.ends_with(extracting)) {
      extracted = t.substr(9, t.size() - 9 - extracting.size());
      ++extractionTitles;
    } else if (t.ends_with(kPlaying)) {
      playing.push_back(t);
      if (!extracted.empty()) {
        EXPECT_EQ(t, Title(extracted)) << "extracted one entry, played another";
      }
      extracted.clear();
    }
  }
  EXPECT_EQ(playing, (std::vector<std::wstring>{Title(L"X.WAV"), Title(L"Y.WAV"), Title(L"Z.WAV")}));
  std::cout << "extraction titles seen: " << extractionTitles << "\n";
  ASSERT_FALSE(titles.empty());
  EXPECT_EQ(titles.back(), kIdleTitle);
  EXPECT_EQ(extractedWhileZPlays, (std::vector<std::wstring>{L"Z.WAV"}));
  EXPECT_EQ(ListBoxItems(FindControl(main, ids::ListBoxVL)), (std::vector<std::wstring>{L"10", L"20", L""}));
  EXPECT_EQ(closeMain(main, *player), 0ul);
  const std::string prefix = "/" + archivePath + "/";
  EXPECT_EQ(folder->readLines(L"HISTORY.LIM"),
            (std::vector<std::string>{prefix + "X.WAV", prefix + "Y.WAV", prefix + "Z.WAV"}));
  EXPECT_TRUE(FilesIn(folder->path() + L"LZH_TEMP").empty());
}

TEST_F(Playback, TwoFilesCompressedThroughTheMenuExtractAsTheyWere) {
  const std::wstring exeFolder = std::filesystem::path(BuiltPlayerExe()).parent_path().wstring() + L"\\";
  ASSERT_TRUE(CopyFileW((exeFolder + L"UnLha32.dll").c_str(), (folder->path() + L"UnLha32.dll").c_str(), FALSE));
  const std::map<std::string, std::string> tunesMade{{"X.WAV", ToneWav(300)}, {"Y.WAV", ToneWav(400)}};
  for (auto& [name, bytes] : tunesMade) tune(platform::win32::ToWide(name), bytes);
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND files = FindControl(main, ids::ListBox4);
  ASSERT_TRUE(WaitUntil([&] { return ListBoxItems(files).size() == 2; }, 10000));
  ChooseListItems(files, {0, 1});
  ChooseMenuCommand(main, ids::PASHUKU);
  HWND input = WaitForTopWindow(L"TSNBox", player->id(), 10000);
  ASSERT_NE(input, nullptr);
  HWND name = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (name = FindControl(input, 101)) != nullptr; }, 10000));
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"SONGS"));
  Click(FindControl(input, 1));
  HWND box = WaitForTopWindow(L"TMKBox", player->id(), 20000);
  ASSERT_NE(box, nullptr);
  HWND text = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (text = FindControl(box, 100)) != nullptr && !Text(text).empty(); }, 10000));
  EXPECT_EQ(Text(text), L"2個のファイルを圧縮しました。");
  Click(FindControl(box, 1));
  EXPECT_EQ(closeMain(main, *player), 0ul);

  // Read back with the project's own LHA code, apart from the library that wrote it.
  std::string made;
  {
    std::ifstream in(std::filesystem::path(folder->path() + L"extract\\$$$$圧縮\\SONGS.lzh"), std::ios::binary);
    made.assign(std::istreambuf_iterator<char>(in), {});
  }
  ASSERT_FALSE(made.empty());
  std::map<std::string, std::string> extracted;
  for (auto& [name, bytes] : LzhEntries(made)) extracted[name] = bytes;
  EXPECT_EQ(extracted, tunesMade);
}

}  // namespace
}  // namespace e2e

// A memory holding one LZH archive plays on the real player, with the real UnLha32.dll beside
// it: each entry is extracted to LZH_TEMP, plays, and goes to the history as an archive
// reference; the entries take their volume values from the archive's volume line; with K8
// only the entry playing now stays extracted. Two files compressed through the pop-up menu
// make an archive that lhasa and jlha accept and extract as they were. An archive made by jlha
// extracts through the menu to the same bytes as lhasa's extraction of it, and its entries
// registered in the memory play from there.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
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

std::string Bytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Each file of the folder by name, with its bytes.
std::map<std::wstring, std::string> FileBytes(const std::wstring& folder) {
  std::map<std::wstring, std::string> files;
  for (const std::wstring& name : FilesIn(folder)) files[name] = Bytes(folder + name);
  return files;
}

// The names whose bytes differ between two sets of files, those in only one of them included.
std::vector<std::wstring> Differing(const std::map<std::wstring, std::string>& a,
                                    const std::map<std::wstring, std::string>& b) {
  std::vector<std::wstring> names;
  for (auto& [name, bytes] : a)
    if (!b.contains(name) || b.at(name) != bytes) names.push_back(name);
  for (auto& [name, bytes] : b)
    if (!a.contains(name)) names.push_back(name);
  return names;
}

// The player's own UnLha32.dll beside the copy of the player, as it ships.
bool CopyLibrary(const PlayerFolder& folder) {
  const std::wstring built = std::filesystem::path(BuiltPlayerExe()).parent_path().wstring() + L"\\UnLha32.dll";
  return CopyFileW(built.c_str(), (folder.path() + L"UnLha32.dll").c_str(), FALSE);
}

// Answers the next message box with OK; its text, or "" when none came.
std::wstring AnswerOk(DWORD pid) {
  HWND box = WaitForTopWindow(L"TMKBox", pid, 20000);
  HWND text = nullptr;
  if (!box || !WaitUntil([&] { return (text = FindControl(box, 100)) != nullptr && !Text(text).empty(); }, 10000))
    return L"";
  const std::wstring said = Text(text);
  Click(FindControl(box, 1));
  WaitUntil([&] { return !IsWindow(box); }, 10000);
  return said;
}

// Window titles in the order seen, until the player is idle after the title `last` showed.
// An extraction title lasts as long as the extraction, and the idle title between tunes as
// long as a step: a poll may miss them, never see them out of order.
std::vector<std::wstring> TitlesUntilIdleAfter(HWND main, const std::wstring& last, DWORD limitMs,
                                               const std::function<void(const std::wstring&)>& onTitle = {}) {
  std::vector<std::wstring> titles;
  WaitUntil([&] {
    const std::wstring t = Text(main);
    if (onTitle) onTitle(t);
    if (!t.empty() && (titles.empty() || titles.back() != t)) titles.push_back(t);
    return t == kIdleTitle && std::count(titles.begin(), titles.end(), last) > 0;
  }, limitMs);
  return titles;
}

// The playing titles of a run; fails the test when an extraction title names another entry
// than the one that plays next.
std::vector<std::wstring> PlayedAfterExtraction(const std::vector<std::wstring>& titles) {
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
  std::cout << "extraction titles seen: " << extractionTitles << "\n";
  return playing;
}

TEST_F(Playback, MemoryOfOneArchivePlaysEachEntryExtractedAndRecordsItsReference) {
  ASSERT_TRUE(CopyLibrary(*folder));
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
  std::vector<std::wstring> extractedWhileZPlays;
  const auto titles = TitlesUntilIdleAfter(main, Title(L"Z.WAV"), 20000, [&](const std::wstring& t) {
    if (t == Title(L"Z.WAV") && extractedWhileZPlays.empty()) extractedWhileZPlays = FilesIn(folder->path() + L"LZH_TEMP");
  });
  const auto playing = PlayedAfterExtraction(titles);
  EXPECT_EQ(playing, (std::vector<std::wstring>{Title(L"X.WAV"), Title(L"Y.WAV"), Title(L"Z.WAV")}));
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

// The archive and lhasa's extraction of it, made on the host before the test runs.
const std::wstring kReference = HostPath(ZELCOR_LZH_REFERENCE) + L"\\";

// Archives checked against other LHA tools on the host, before the test or after it.
using ArchiveOracles = Playback;

TEST_F(ArchiveOracles, TheExtractCommandWritesWhatLhasaExtractsAndRegisteredEntriesPlay) {
  ASSERT_TRUE(CopyLibrary(*folder));
  const std::wstring archive = tunes + L"\\SONGS.LZH";
  ASSERT_TRUE(CopyFileW((kReference + L"SONGS.LZH").c_str(), archive.c_str(), FALSE));
  SettingsKey::set(L"KAKUCHOSHI", L"1,1,1,1,1,1,1,1,1");  // archives shown in the file list
  SettingsKey::set(L"MEMORY", L"0,-1,0,0,0,0,0");         // the memory view, full paths
  std::unique_ptr<PlayerProcess> player;
  HWND main = startUsable(player);
  ASSERT_NE(main, nullptr);
  HWND files = FindControl(main, ids::ListBox4);
  ASSERT_TRUE(WaitUntil([&] { return ListBoxItems(files) == std::vector<std::wstring>{L"SONGS.LZH"}; }, 10000));
  ChooseListItems(files, {0});

  ChooseMenuCommand(main, ids::PLZH2);
  EXPECT_EQ(AnswerOk(player->id()), L"1個のLZHファイルを解凍しました。");
  auto expected = FileBytes(kReference + L"lhasa\\");
  ASSERT_EQ(expected.size(), 2u) << "the reference extraction is missing";
  expected[L"SONGS.LZH"] = Bytes(archive);  // the archive goes beside its files
  EXPECT_EQ(Differing(FileBytes(folder->path() + L"extract\\SONGS.LZ$\\"), expected), std::vector<std::wstring>{});

  ChooseMenuCommand(main, ids::PLZH_MEM_0);
  EXPECT_EQ(AnswerOk(player->id()), L"2個のLZH内格納ファイル名を、登録しました。");
  const std::wstring prefix = L"/" + archive + L"/";
  EXPECT_EQ(ListBoxItems(FindControl(main, ids::ListBox2)), (std::vector<std::wstring>{prefix + L"x.wav", prefix + L"y.wav"}));
  Click(FindControl(main, ids::Button2));
  const auto titles = TitlesUntilIdleAfter(main, Title(L"y.wav"), 20000);
  EXPECT_EQ(PlayedAfterExtraction(titles), (std::vector<std::wstring>{Title(L"x.wav"), Title(L"y.wav")}));
  EXPECT_EQ(closeMain(main, *player), 0ul);
  const std::string history = platform::win32::FromWide(prefix);
  EXPECT_EQ(folder->readLines(L"HISTORY.LIM"), (std::vector<std::string>{history + "x.wav", history + "y.wav"}));
  EXPECT_TRUE(FilesIn(folder->path() + L"LZH_TEMP").empty());
}

TEST_F(ArchiveOracles, TwoFilesCompressedThroughTheMenuGoToTheHostCheck) {
  ASSERT_TRUE(CopyLibrary(*folder));
  const std::map<std::string, std::string> tunesMade{{"x.wav", ToneWav(300)}, {"y.wav", ToneWav(400)}};
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
  EXPECT_EQ(AnswerOk(player->id()), L"2個のファイルを圧縮しました。");
  EXPECT_EQ(closeMain(main, *player), 0ul);

  // lhasa and jlha test the archive and extract it after this run, on the host, against these tunes.
  const std::wstring made = kReference + L"made\\";
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(made + L"tunes"), ec);
  ASSERT_TRUE(CopyFileW((folder->path() + L"extract\\$$$$圧縮\\SONGS.lzh").c_str(), (made + L"SONGS.lzh").c_str(), FALSE));
  for (auto& tuneMade : tunesMade) {
    const std::wstring file = L"\\" + platform::win32::ToWide(tuneMade.first);
    ASSERT_TRUE(CopyFileW((tunes + file).c_str(), (made + L"tunes" + file).c_str(), FALSE));
  }
}

}  // namespace
}  // namespace e2e

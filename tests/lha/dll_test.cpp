// UnLha32.dll as the player uses it: loaded by name, entry points resolved
// by name, command lines and records exactly as the player passes them.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "lha/archive.h"
#include "platform/win32/file_system_win32.h"
#include "temp_folder.h"
#include "test_archives.h"

namespace {

using UnlhaFn = int(WINAPI*)(HWND, LPCSTR, LPSTR, DWORD);
using OpenFn = HANDLE(WINAPI*)(HWND, LPCSTR, DWORD);
using FindFirstFn = int(WINAPI*)(HANDLE, LPCSTR, void*);
using FindNextFn = int(WINAPI*)(HANDLE, void*);
using CloseFn = int(WINAPI*)(HANDLE);
using RunningFn = BOOL(WINAPI*)();

constexpr size_t kRecordSize = 558;  // the record the player allocates
constexpr DWORD kOpenMode = 0x00400000;

std::string quote(const std::string& s) { return " \"" + s + "\""; }

// GetProcAddress returns a generic pointer; the caller knows the real type.
template <typename Fn>
Fn resolve(HMODULE dll, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

class UnLha32 : public ::testing::Test {
protected:
  void SetUp() override {
    dll_ = LoadLibraryA("UnLha32.DLL");
    ASSERT_NE(dll_, nullptr);
    unlha_ = resolve<UnlhaFn>(dll_, "Unlha");
    open_ = resolve<OpenFn>(dll_, "UnlhaOpenArchive");
    findFirst_ = resolve<FindFirstFn>(dll_, "UnlhaFindFirst");
    findNext_ = resolve<FindNextFn>(dll_, "UnlhaFindNext");
    close_ = resolve<CloseFn>(dll_, "UnlhaCloseArchive");
    running_ = resolve<RunningFn>(dll_, "UnlhaGetRunning");
    ASSERT_TRUE(unlha_ && open_ && findFirst_ && findNext_ && close_ && running_);

    arc_ = dir_ + "SONGS.LZH";
    ASSERT_TRUE(writeFile(arc_, lhatest::archiveOf({lhatest::packed("DIR/A.MID", "midi in a folder"),
                                                    lhatest::packed("B.WAV", "wave"), lhatest::packed("曲表.MID", "tune")})));
  }
  void TearDown() override {
    if (dll_) FreeLibrary(dll_);
  }

  bool writeFile(const std::string& path, const lhatest::Bytes& bytes) {
    return fs_.writeAtomic(path, std::string(bytes.begin(), bytes.end()));
  }
  std::string readFile(const std::string& path) { return fs_.readAll(path).value_or("<missing>"); }
  // Names of the files directly in a folder, sorted.
  std::vector<std::string> filesIn(const std::string& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs_.list(dir, "*.*"))
      if (!(e.attributes & platform::kAttrDirectory)) out.push_back(e.name);
    std::sort(out.begin(), out.end());
    return out;
  }

  // The player's command form: text, " -n", quoted arguments, a final blank.
  int run(const std::string& command, const std::vector<std::string>& args, DWORD size = 2000) {
    std::string line = command;
    for (const std::string& a : args) line += quote(a);
    line += " ";
    output_.assign(size + 2, '\0');
    return unlha_(nullptr, line.c_str(), output_.data(), size);
  }

  std::vector<std::string> listed(const char* pattern = "*.*") {
    std::vector<std::string> names;
    HANDLE h = open_(nullptr, arc_.c_str(), kOpenMode);
    if (!h) return names;
    std::vector<uint8_t> rec(kRecordSize + 32, 0xCC);
    for (int rc = findFirst_(h, pattern, rec.data()); rc == 0; rc = findNext_(h, rec.data())) {
      names.push_back(reinterpret_cast<const char*>(rec.data() + 26));
      for (size_t i = kRecordSize; i < rec.size(); ++i) EXPECT_EQ(rec[i], 0xCC) << "record overrun at " << i;
    }
    close_(h);
    return names;
  }

  HMODULE dll_ = nullptr;
  UnlhaFn unlha_ = nullptr;
  OpenFn open_ = nullptr;
  FindFirstFn findFirst_ = nullptr;
  FindNextFn findNext_ = nullptr;
  CloseFn close_ = nullptr;
  RunningFn running_ = nullptr;
  platform::win32::Win32FileSystem fs_;
  wintest::TempFolder temp_{std::string("unlha-") + ::testing::UnitTest::GetInstance()->current_test_info()->name()};
  const std::string dir_ = temp_.path();
  std::string arc_;
  std::vector<char> output_;
};

TEST_F(UnLha32, FindFirstNextGivesFolderNamesWithSlash) {
  EXPECT_EQ(listed(), (std::vector<std::string>{"DIR/A.MID", "B.WAV", "曲表.MID"}));
  EXPECT_EQ(listed("B.WAV"), (std::vector<std::string>{"B.WAV"}));
  EXPECT_TRUE(listed("NONE.MID").empty());
  EXPECT_FALSE(running_());
}

TEST_F(UnLha32, BadHandlesAndMissingArchivesFailQuietly) {
  EXPECT_EQ(open_(nullptr, (dir_ + "NONE.LZH").c_str(), kOpenMode), nullptr);
  std::vector<uint8_t> rec(kRecordSize);
  HANDLE bogus = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x7777));
  EXPECT_NE(findFirst_(bogus, "*.*", rec.data()), 0);
  EXPECT_NE(findNext_(bogus, rec.data()), 0);
  close_(bogus);
}

TEST_F(UnLha32, ExtractOneEntryForPlay) {
  std::string dest = dir_ + "LZH_TEMP\\";
  ASSERT_EQ(run(" e -m -n", {arc_, dest, "A.MID"}), 0) << output_.data();
  EXPECT_EQ(filesIn(dest), (std::vector<std::string>{"A.MID"}));
  EXPECT_EQ(readFile(dest + "A.MID"), "midi in a folder");
  EXPECT_NE(run(" e -m -n", {arc_, dest, "NONE.MID"}), 0);
}

TEST_F(UnLha32, ExtractEverythingIntoOneFolder) {
  std::string dest = dir_ + "SONGS.LZ$\\";
  fs_.makeFolder(dest);
  ASSERT_EQ(run(" e -m -n", {arc_, dest, "*.*"}, 300), 0) << output_.data();
  EXPECT_EQ(filesIn(dest), (std::vector<std::string>{"A.MID", "B.WAV", "曲表.MID"}));
  EXPECT_EQ(readFile(dest + "曲表.MID"), "tune");
}

TEST_F(UnLha32, DeleteOneEntry) {
  ASSERT_EQ(run(" d  -n", {arc_, "B.WAV"}, 1000), 0) << output_.data();
  EXPECT_EQ(listed(), (std::vector<std::string>{"DIR/A.MID", "曲表.MID"}));
  EXPECT_NE(run(" d  -n", {arc_, "B.WAV"}, 1000), 0) << "already gone";
}

TEST_F(UnLha32, AddFileUnderItsOwnName) {
  std::string popm = dir_ + "LZH_POPM\\";
  fs_.makeFolder(popm);
  // Longer than one stretch of the compressor, which searches the next while planning this one.
  std::string tune;
  for (int i = 0; tune.size() < 200000; ++i) tune += "note " + std::to_string(i % 977) + ";";
  ASSERT_TRUE(writeFile(popm + "新表.MID", std::vector<uint8_t>(tune.begin(), tune.end())));
  ASSERT_EQ(run(" a -m -n", {arc_, popm + "新表.MID"}, 1000), 0) << output_.data();
  EXPECT_EQ(listed(), (std::vector<std::string>{"DIR/A.MID", "B.WAV", "曲表.MID", "新表.MID"}));

  std::string fresh = dir_ + "$$$$圧縮\\ABC.lzh";
  fs_.makeFolder(dir_ + "$$$$圧縮");
  ASSERT_EQ(run(" a", {fresh, popm + "新表.MID"}, 1000), 0) << output_.data();
  EXPECT_EQ(run(" t", {fresh}), 0) << output_.data();
  ASSERT_EQ(run(" e -m -n", {fresh, dir_ + "OUT\\", "新表.MID"}), 0) << output_.data();
  EXPECT_EQ(readFile(dir_ + "OUT\\新表.MID"), tune);
}

TEST_F(UnLha32, ListTextRespectsTheBufferSize) {
  ASSERT_EQ(run(" l -x1", {arc_}, 40000), 0);
  std::string text = output_.data();
  for (const char* n : {"DIR/A.MID", "B.WAV", "曲表.MID"}) EXPECT_NE(text.find(n), std::string::npos) << n;

  std::vector<char> small(64, '#');
  std::string line = " l -x1" + quote(arc_) + " ";
  EXPECT_EQ(unlha_(nullptr, line.c_str(), small.data(), 16), 0);
  EXPECT_LT(std::strlen(small.data()), 16u);
  for (size_t i = 16; i < small.size(); ++i) EXPECT_EQ(small[i], '#');
  EXPECT_EQ(unlha_(nullptr, line.c_str(), nullptr, 0), 0);
}

TEST_F(UnLha32, DamagedOrHostileArchivesLeaveNothingBehind) {
  std::vector<uint8_t> good = lhatest::archiveOf({lhatest::packed("A.MID", std::string(5000, 'a') + "tail")});
  std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
  std::vector<uint8_t> badCrc = good;
  badCrc[21] ^= 0xFF;  // data CRC field; the header CRC then refuses the header too
  std::string dest = dir_ + "OUT\\";
  const auto hostile = lhatest::archiveOf({lhatest::packed("../EVIL.MID", "x"), lhatest::packed("..\\EVIL2.MID", "y")});
  for (const auto& bytes : {truncated, badCrc, hostile}) {
    ASSERT_TRUE(writeFile(dir_ + "BAD.LZH", bytes));
    EXPECT_NE(run(" e -m -n", {dir_ + "BAD.LZH", dest, "*.*"}), 0);
    EXPECT_TRUE(filesIn(dest).empty());
  }
  EXPECT_FALSE(fs_.fileExists(dir_ + "EVIL.MID"));
  EXPECT_FALSE(fs_.fileExists(dir_ + "EVIL2.MID"));
  EXPECT_NE(run(" x", {}), 0) << "no archive named";
}

TEST_F(UnLha32, OlderMethodsAndHeadersListTestAndExtract) {
  const std::string tune = "MThd" + std::string(3000, '\x90') + "MTrk end";
  lhatest::Bytes data(tune.begin(), tune.end());
  const std::pair<const char*, const char*> members[] = {
      {"-lh1-", "LH1.MID"}, {"-lh4-", "LH4.MID"}, {"-lzs-", "LZS.MID"}, {"-lz5-", "LZ5.MID"}, {"-lhx-", "LHX.MID"}};
  lhatest::Bytes arc;
  for (const auto& [method, name] : members) {
    lhatest::Bytes b = lhatest::oldHeader(0, lhatest::memberOf(method, name, data));
    arc.insert(arc.end(), b.begin(), b.end());
  }
  lhatest::Member commented = lhatest::memberOf("-lh5-", std::string("NOTE.MID\0Amiga comment", 22), data);
  lhatest::Bytes more[] = {lhatest::newHeader(3, lhatest::memberOf("-lh5-", "OS2.MID", data)),
                           lhatest::oldHeader(1, commented, lhatest::extChain({}))};
  for (const auto& b : more) arc.insert(arc.end(), b.begin(), b.end());
  arc.push_back(0);
  ASSERT_TRUE(writeFile(arc_, arc));

  HANDLE h = open_(nullptr, arc_.c_str(), kOpenMode);
  ASSERT_NE(h, nullptr);
  std::vector<uint8_t> rec(kRecordSize);
  std::vector<std::string> methods;
  for (int rc = findFirst_(h, "*.*", rec.data()); rc == 0; rc = findNext_(h, rec.data()))
    methods.push_back(std::string(reinterpret_cast<const char*>(rec.data() + 26)) + " " +
                      reinterpret_cast<const char*>(rec.data() + 550));
  close_(h);
  EXPECT_EQ(methods, (std::vector<std::string>{"LH1.MID -lh1-", "LH4.MID -lh4-", "LZS.MID -lzs-", "LZ5.MID -lz5-",
                                               "LHX.MID -lhx-", "OS2.MID -lh5-", "NOTE.MID -lh5-"}));
  EXPECT_EQ(run(" t", {arc_}), 0) << output_.data();
  std::string dest = dir_ + "OUT\\";
  ASSERT_EQ(run(" e -m -n", {arc_, dest, "*.*"}), 0) << output_.data();
  EXPECT_EQ(filesIn(dest), (std::vector<std::string>{"LH1.MID", "LH4.MID", "LHX.MID", "LZ5.MID", "LZS.MID", "NOTE.MID",
                                                     "OS2.MID"}));
  for (const std::string& f : filesIn(dest)) EXPECT_EQ(readFile(dest + f), tune) << f;
}

}  // namespace

// files_bench ROOT filelist SUB REPS   rebuild of the file list for ROOT/SUB against a bare listing
// files_bench ROOT bulkadd SUB REPS    bulk add of the tree ROOT/SUB against a bare recursive listing
// files_bench ROOT memory REPS         saving and loading a memory of 32,700 entries in ROOT/data
//                                      against a bare write and read of the same bytes
// The player runs headless (virtual clock, fake registry and shell) on the file system named
// by FileSystemName(); each figure is the median of REPS runs, subject and baseline taken in
// turn so that a busy machine slows both alike.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bare_io.h"
#include "fakes/headless_player.h"
#include "files/file_list.h"
#include "files/folders.h"
#include "memory/bulk_add.h"
#include "memory/memory_lists.h"

namespace {

[[noreturn]] void Fail(const std::string& why) {
  std::fprintf(stderr, "files_bench: %s\n", why.c_str());
  std::exit(1);
}

// The player on the file system of this platform, started in the bench's data folder.
struct BenchPlayer {
  std::unique_ptr<platform::FileSystem> fs;
  fakes::HeadlessPlayer player;
  app::TZELCOR32ZUMIK* window;
  explicit BenchPlayer(const std::string& root)
      : fs(bench::PlayerFileSystem(root)), player(*fs, bench::PlayerPath(root, "data") + "\\") {
    player.set("CPATH", bench::PlayerPath(root, "data"));
    player.closeBoxesKeepingTexts();
    window = &player.start();
    if (!player.started()) Fail("the player did not finish its start-up");
  }
};

double Ms(const std::function<void()>& fn) {
  const double t0 = bench::NowMs();
  fn();
  return bench::NowMs() - t0;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

void Report(const std::string& what, const std::string& base, double baseMs, const std::string& subject,
            double subjectMs, double target) {
  std::printf("%s\n  %-44s %9.2f ms\n  %-44s %9.2f ms\n  ratio %.2f (target %s %.1f)%s\n", what.c_str(), base.c_str(),
              baseMs, subject.c_str(), subjectMs, subjectMs / baseMs, "within", target,
              subjectMs / baseMs > target ? "  MISSED" : "");
}

int FileListBench(const std::string& root, const std::string& sub, int reps) {
  BenchPlayer p(root);
  const std::string folder = bench::PlayerPath(root, sub), native = bench::NativePath(root, sub);
  std::vector<double> bare, rebuild;
  long long files = 0;
  for (int i = 0; i < reps; ++i) {
    bare.push_back(Ms([&] { files = bench::BareCountFiles(native); }));
    rebuild.push_back(Ms([&] { p.window->Files->RebuildFileList(folder); }));
    if (p.window->ListBox4.count() != files)
      Fail("listed " + std::to_string(p.window->ListBox4.count()) + " of " + std::to_string(files));
  }
  Report("file list of " + std::to_string(files) + " files (patterns " + p.window->S.ActivePatterns + ")",
         "bare enumeration (FindFirst/FindNext loop)", Median(bare), "RebuildFileList", Median(rebuild), 1.5);
  return 0;
}

int BulkAddBench(const std::string& root, const std::string& sub, int reps) {
  BenchPlayer p(root);
  auto& w = *p.window;
  const std::string tree = bench::PlayerPath(root, sub), native = bench::NativePath(root, sub);
  std::vector<double> bare, bulk;
  long long files = 0;
  for (int i = 0; i < reps; ++i) {
    bare.push_back(Ms([&] { files = bench::BareCountTree(native); }));
    w.ListBox2.clear();
    w.Memory->ListBoxVM.clear();
    w.S.settings.folderPath = tree;
    bulk.push_back(Ms([&] { w.Bulk->BulkRegister(); }));
    if (w.ListBox2.count() != files)
      Fail("added " + std::to_string(w.ListBox2.count()) + " of " + std::to_string(files));
  }
  Report("bulk add of a tree of " + std::to_string(files) + " files", "bare recursive enumeration", Median(bare),
         "BulkRegister", Median(bulk), 1.5);
  return 0;
}

// A memory as a user builds it: paths of albums, a volume on every third entry, the full pool.
void FillMemory(app::TZELCOR32ZUMIK& w) {
  std::vector<std::string> entries, volumes;
  for (int i = 0; i < memory::kEntryLimit; ++i) {
    char line[96];
    std::snprintf(line, sizeof line, "C:\\MUSIC\\Artist %03d\\Album %02d\\%02d 曲名 number %05d.wav", i / 300,
                  i / 15 % 20, i % 15 + 1, i);
    entries.push_back(line);
    volumes.push_back(i % 3 == 0 ? "800" : "");
  }
  w.ListBox2.setItems(std::move(entries));
  w.Memory->ListBoxVM.setItems(std::move(volumes));
  w.Memory->RandomPool = memory::FullPool(memory::kEntryLimit);
}

int MemoryBench(const std::string& root, int reps) {
  BenchPlayer p(root);
  auto& w = *p.window;
  w.S.settings.currentMemory = "BENCH";
  FillMemory(w);
  const char* exts[] = {".LIM", ".LIV", ".LIR"};
  auto file = [&](const char* name, int f) { return bench::NativePath(root, std::string("data/") + name + exts[f]); };
  std::vector<double> bareWrite, flushedWrite, save, bareRead, load;
  std::size_t bytes = 0;
  for (int i = 0; i < reps; ++i) {
    save.push_back(Ms([&] { w.Memory->SaveShownMemory(); }));
    std::vector<std::string> images;
    for (int f = 0; f < 3; ++f) images.push_back(bench::BareRead(file("BENCH", f)));
    bytes = images[0].size() + images[1].size() + images[2].size();
    bareWrite.push_back(Ms([&] {
      for (int f = 0; f < 3; ++f) bench::BareWrite(file("bare", f), images[f], false);
    }));
    flushedWrite.push_back(Ms([&] {
      for (int f = 0; f < 3; ++f) bench::BareWrite(file("bare", f), images[f], true);
    }));
    bareRead.push_back(Ms([&] {
      for (int f = 0; f < 3; ++f) bench::BareRead(file("BENCH", f));
    }));
    w.ListBox2.clear();
    load.push_back(Ms([&] { w.Memory->LoadShownMemory(); }));
    if (w.ListBox2.count() != memory::kEntryLimit || static_cast<int>(w.Memory->RandomPool.size()) != memory::kEntryLimit)
      Fail("the memory came back with " + std::to_string(w.ListBox2.count()) + " entries");
  }
  std::printf("memory of %d entries (.LIM, .LIV, .LIR: %zu bytes) through %s; target under 50 ms each\n",
              memory::kEntryLimit, bytes, bench::FileSystemName());
  std::printf("  %-44s %9.2f ms\n  %-44s %9.2f ms\n  %-44s %9.2f ms  ratio %.2f to the bare write%s\n",
              "bare write of the same bytes", Median(bareWrite), "bare write, each file flushed to disk",
              Median(flushedWrite), "SaveShownMemory (temporary file, flush, rename)", Median(save),
              Median(save) / Median(bareWrite), Median(save) >= 50 ? "  MISSED" : "");
  std::printf("  %-44s %9.2f ms\n  %-44s %9.2f ms  ratio %.2f to the bare read%s\n", "bare read of the same bytes",
              Median(bareRead), "LoadShownMemory", Median(load), Median(load) / Median(bareRead),
              Median(load) >= 50 ? "  MISSED" : "");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 2 ? argv[2] : "";
  if (mode == "filelist" && argc == 5) return FileListBench(argv[1], argv[3], std::atoi(argv[4]));
  if (mode == "bulkadd" && argc == 5) return BulkAddBench(argv[1], argv[3], std::atoi(argv[4]));
  if (mode == "memory" && argc == 4) return MemoryBench(argv[1], std::atoi(argv[3]));
  std::fprintf(stderr, "usage: files_bench ROOT filelist SUB REPS | ROOT bulkadd SUB REPS | ROOT memory REPS\n");
  return 2;
}

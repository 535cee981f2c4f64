#include "fakes/lha_unlha.h"

#include <algorithm>
#include <map>

#include "lha/archive_ops.h"
#include "unlha32/commands.h"
#include "unlha32/entry_record.h"

namespace fakes {

namespace {

// The LHA code's file access, on the player's file system.
class PlayerLhaFs : public lha::FileSystem {
 public:
  explicit PlayerLhaFs(platform::FileSystem& fs) : fs_(fs) {}
  bool readFile(const std::string& path, std::vector<uint8_t>& out) override {
    auto bytes = fs_.readAll(windows(path));
    if (!bytes) return false;
    out.assign(bytes->begin(), bytes->end());
    return true;
  }
  lha::FileInfo stat(const std::string& path) override {
    lha::FileInfo info;
    if (auto e = fs_.stat(windows(path))) {
      info.exists = true;
      info.isDirectory = (e->attributes & platform::kAttrDirectory) != 0;
    }
    return info;
  }
  bool makeDirectories(const std::string& path) override {
    const std::string p = windows(path);
    for (std::size_t at = p.find('\\', 3); at != std::string::npos; at = p.find('\\', at + 1))
      fs_.makeFolder(p.substr(0, at));
    fs_.makeFolder(p);
    return fs_.folderExists(p);
  }
  std::unique_ptr<lha::OutputFile> create(const std::string& path) override {
    return std::make_unique<Output>(fs_, windows(path));
  }
  char osId() const override { return 'M'; }

 private:
  // Whole files, replaced at commit, as the library's own output does.
  struct Output : lha::OutputFile {
    Output(platform::FileSystem& fs, std::string path) : fs(fs), path(std::move(path)) {}
    bool write(const uint8_t* data, size_t size) override {
      bytes.append(reinterpret_cast<const char*>(data), size);
      return true;
    }
    bool commit(int64_t) override { return fs.writeAtomic(path, bytes); }
    platform::FileSystem& fs;
    std::string path, bytes;
  };
  static std::string windows(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
  }
  platform::FileSystem& fs_;
};

}  // namespace

class LhaUnlha : public platform::UnlhaLibrary {
 public:
  explicit LhaUnlha(LhaUnlhaLoader& owner) : owner_(owner), fs_(owner.fs_) { ++owner_.loaded; }
  ~LhaUnlha() override { --owner_.loaded; }

  int Unlha(const std::string& commandLine, std::string& output, std::uint32_t outputSize) override {
    owner_.commandLines.push_back(commandLine);
    const int rc = unlha::runCommand(fs_, commandLine, output);
    if (output.size() > outputSize) output.resize(outputSize);
    return rc;
  }
  std::uintptr_t OpenArchive(const std::string& path, std::uint32_t) override {
    auto listing = std::make_unique<unlha::ArchiveListing>();
    if (!listing->open(fs_, path)) return 0;
    open_[++last_] = std::move(listing);
    return last_;
  }
  int FindFirst(std::uintptr_t archive, const std::string& pattern, std::string& name) override {
    return report(open_.at(archive)->findFirst(pattern), name);
  }
  int FindNext(std::uintptr_t archive, std::string& name) override {
    return report(open_.at(archive)->findNext(), name);
  }
  void CloseArchive(std::uintptr_t archive) override { open_.erase(archive); }

 private:
  static int report(const lha::Entry* e, std::string& name) {
    if (!e) return -1;
    name = e->name;
    return 0;
  }
  LhaUnlhaLoader& owner_;
  PlayerLhaFs fs_;
  std::map<std::uintptr_t, std::unique_ptr<unlha::ArchiveListing>> open_;
  std::uintptr_t last_ = 0;
};

std::unique_ptr<platform::UnlhaLibrary> LhaUnlhaLoader::Load(const std::vector<std::string>& entryPoints) {
  if (libraryMissing) return nullptr;
  if (std::find(entryPoints.begin(), entryPoints.end(), missingEntryPoint) != entryPoints.end()) return nullptr;
  return std::make_unique<LhaUnlha>(*this);
}

void MakeArchive(platform::FileSystem& fs, const std::string& path,
                 const std::vector<std::pair<std::string, std::string>>& entries) {
  PlayerLhaFs lfs(fs);
  lfs.makeDirectories(path.substr(0, path.rfind('\\')));
  fs.removeFile(path);
  std::vector<lha::FileToAdd> files;
  for (auto& [name, bytes] : entries) {
    const std::string source = path + "." + std::to_string(files.size());
    fs.writeAtomic(source, bytes);
    files.push_back({source, name});
  }
  lha::ArchiveOps ops(lfs);
  lha::OpLog log;
  ops.add(path, files, lha::Method::Lh5, log);
  for (auto& f : files) fs.removeFile(f.path);
}

}  // namespace fakes

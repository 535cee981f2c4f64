#include "lzh_archive.h"

#include <map>

#include "lha/archive_ops.h"

namespace e2e {
namespace {

constexpr char kArchive[] = "SONGS.LZH";

class MemoryFiles : public lha::FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::vector<std::string> created;  // in order of creation
  bool readFile(const std::string& path, std::vector<uint8_t>& out) override {
    auto it = files.find(path);
    if (it == files.end()) return false;
    out.assign(it->second.begin(), it->second.end());
    return true;
  }
  lha::FileInfo stat(const std::string& path) override {
    lha::FileInfo info;
    info.exists = files.count(path) != 0;
    return info;
  }
  bool makeDirectories(const std::string&) override { return true; }
  std::unique_ptr<lha::OutputFile> create(const std::string& path) override {
    struct Out : lha::OutputFile {
      Out(std::string& target) : target(target) {}
      bool write(const uint8_t* data, size_t size) override {
        bytes.append(reinterpret_cast<const char*>(data), size);
        return true;
      }
      bool commit(int64_t) override {
        target = bytes;
        return true;
      }
      std::string& target;
      std::string bytes;
    };
    created.push_back(path);
    return std::make_unique<Out>(files[path]);
  }
  char osId() const override { return 'M'; }
};

}  // namespace

std::string LzhArchive(const std::vector<std::pair<std::string, std::string>>& entries) {
  MemoryFiles fs;
  std::vector<lha::FileToAdd> add;
  for (auto& [name, bytes] : entries) {
    fs.files[name] = bytes;
    add.push_back({name, name});
  }
  lha::OpLog log;
  lha::ArchiveOps(fs).add(kArchive, add, lha::Method::Lh5, log);
  return fs.files[kArchive];
}

namespace {
MemoryFiles Extracted(const std::string& archive) {
  MemoryFiles fs;
  fs.files[kArchive] = archive;
  lha::OpLog log;
  lha::ArchiveOps(fs).extract(kArchive, "", {}, false, log);
  return fs;
}
}  // namespace

std::vector<std::string> LzhEntryNames(const std::string& archive) { return Extracted(archive).created; }

std::map<std::string, std::string> LzhEntries(const std::string& archive) {
  std::map<std::string, std::string> entries;
  for (auto& [path, bytes] : Extracted(archive).files)
    if (path != kArchive) entries[path.substr(path.find_last_of("/\\") + 1)] = bytes;
  return entries;
}

}  // namespace e2e

#include "fakes/fake_file_system.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/path.h"
#include "base/sjis.h"
#include "base/wildcard.h"

namespace fakes {

// An open handle: reads and writes go straight to the node, so a partial write is visible.
class FakeOpenFile : public platform::OpenFile {
 public:
  FakeOpenFile(FakeFileSystem& fs, FakeFileSystem::Node& node, std::string key, bool writing)
      : fs_(fs), node_(node), key_(std::move(key)), writing_(writing) {
    if (writing_) node_.writer = true;
    else ++node_.readers;
    ++fs_.openHandles_;
  }
  ~FakeOpenFile() override {
    if (writing_) node_.writer = false;
    else --node_.readers;
    --fs_.openHandles_;
  }

  long long read(void* buffer, std::size_t bytes) override {
    if (writing_) return -1;
    const auto limit = fs_.readLimits_.find(key_);
    if (limit != fs_.readLimits_.end() && position_ + bytes > limit->second) return -1;
    const std::size_t available = node_.data.size() - std::min<std::size_t>(position_, node_.data.size());
    const std::size_t n = std::min(bytes, available);
    std::memcpy(buffer, node_.data.data() + position_, n);
    position_ += n;
    return static_cast<long long>(n);
  }

  bool write(const void* buffer, std::size_t bytes) override {
    if (!writing_) return false;
    std::size_t n = bytes;
    const auto limit = fs_.writeLimits_.find(key_);
    if (limit != fs_.writeLimits_.end() && position_ + bytes > limit->second)
      n = static_cast<std::size_t>(limit->second - std::min<std::uint64_t>(position_, limit->second));
    node_.data.append(static_cast<const char*>(buffer), n);
    position_ += n;
    node_.lastWrite = fs_.writeTime_;
    return n == bytes;
  }

  std::optional<platform::FileTime> lastWriteTime() override { return node_.lastWrite; }
  bool setLastWriteTime(platform::FileTime time) override {
    if (!writing_) return false;
    node_.lastWrite = time;
    return true;
  }

 private:
  FakeFileSystem& fs_;
  FakeFileSystem::Node& node_;
  std::string key_;
  bool writing_;
  std::uint64_t position_ = 0;
};

FakeFileSystem::FakeFileSystem() { addFolder("C:\\"); }

std::string FakeFileSystem::fullPath(const std::string& path) {
  std::string absolute;
  if (path.size() >= 2 && path[1] == ':') absolute = path;
  else if (!path.empty() && path[0] == '\\') absolute = current_.substr(0, 2) + path;
  else absolute = base::AddTrailingSlash(current_) + path;
  const auto pieces = base::SplitPath(absolute);
  std::vector<std::string> kept;
  for (std::size_t i = 1; i < pieces.size(); ++i) {
    if (pieces[i].empty() || pieces[i] == ".") continue;
    if (pieces[i] == "..") {
      if (!kept.empty()) kept.pop_back();
      continue;
    }
    kept.push_back(pieces[i]);
  }
  std::string out = pieces[0];
  for (const auto& piece : kept) out += "\\" + piece;
  return kept.empty() ? out + "\\" : out;
}

std::string FakeFileSystem::keyOf(const std::string& path) {
  std::string full = fullPath(path);
  if (base::EndsWithSeparator(full)) full.pop_back();
  return base::UpperCase(full);
}

std::string FakeFileSystem::parentKey(const std::string& key) {
  const std::string folder = base::ExtractFilePath(key);
  if (folder.empty() || folder == key) return std::string();
  return base::EndsWithSeparator(folder) ? folder.substr(0, folder.size() - 1) : folder;
}

FakeFileSystem::Node* FakeFileSystem::find(const std::string& path) {
  const auto it = nodes_.find(keyOf(path));
  return it == nodes_.end() ? nullptr : &it->second;
}

FakeFileSystem::Node* FakeFileSystem::findFile(const std::string& path) {
  Node* node = find(path);
  return node && !node->folder ? node : nullptr;
}

bool FakeFileSystem::parentExists(const std::string& key) const {
  const std::string parent = parentKey(key);
  if (parent.empty()) return true;
  const auto it = nodes_.find(parent);
  return it != nodes_.end() && it->second.folder;
}

bool FakeFileSystem::hasChildren(const std::string& key) const {
  return std::any_of(nodes_.begin(), nodes_.end(),
                     [&](const auto& entry) { return parentKey(entry.first) == key; });
}

void FakeFileSystem::addFolder(const std::string& path, std::uint32_t attributes) {
  const std::string key = keyOf(path);
  const std::string parent = parentKey(key);
  if (!parent.empty() && !nodes_.count(parent)) addFolder(base::ExtractFilePath(fullPath(path)));
  Node& node = nodes_[key];
  node.path = base::StripTrailingSlash(fullPath(path));
  node.folder = true;
  node.attributes = attributes | platform::kAttrDirectory;
}

void FakeFileSystem::addFile(const std::string& path, const std::string& bytes,
                             std::uint32_t attributes, platform::FileTime time) {
  const std::string full = fullPath(path);
  addFolder(base::ExtractFilePath(full));
  Node& node = nodes_[keyOf(full)];
  node.path = full;
  node.folder = false;
  node.attributes = attributes;
  node.data = bytes;
  node.lastWrite = time;
}

void FakeFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
  if (Node* node = find(path)) node->attributes = attributes | (node->folder ? std::uint32_t{platform::kAttrDirectory} : 0u);
}

void FakeFileSystem::failReadAfter(const std::string& path, std::uint64_t bytes) {
  readLimits_[keyOf(path)] = bytes;
}
void FakeFileSystem::failWriteAfter(const std::string& path, std::uint64_t bytes) {
  writeLimits_[keyOf(path)] = bytes;
}
void FakeFileSystem::failCreate(const std::string& path) { createFailures_.insert(keyOf(path)); }

std::optional<std::string> FakeFileSystem::contents(const std::string& path) const {
  const auto it = nodes_.find(const_cast<FakeFileSystem*>(this)->keyOf(path));
  if (it == nodes_.end() || it->second.folder) return std::nullopt;
  return it->second.data;
}

bool FakeFileSystem::fileExists(const std::string& path) { return findFile(path) != nullptr; }

bool FakeFileSystem::folderExists(const std::string& path) {
  const Node* node = find(path);
  return node && node->folder;
}

std::optional<std::string> FakeFileSystem::readAll(const std::string& path) {
  const Node* node = findFile(path);
  if (!node || node->writer || readLimits_.count(keyOf(path))) return std::nullopt;
  return node->data;
}

bool FakeFileSystem::writeAtomic(const std::string& path, const std::string& bytes) {
  const std::string key = keyOf(path);
  if (failAtomic_ || !parentExists(key)) return false;
  const auto it = nodes_.find(key);
  if (it != nodes_.end()) {
    const Node& old = it->second;
    if (old.folder || (old.attributes & platform::kAttrReadOnly) || old.readers || old.writer)
      return false;
  }
  addFile(path, bytes, platform::kAttrArchive, writeTime_);
  return true;
}

bool FakeFileSystem::rename(const std::string& from, const std::string& to) {
  const std::string fromKey = keyOf(from), toKey = keyOf(to);
  const auto it = nodes_.find(fromKey);
  if (it == nodes_.end() || !parentExists(toKey)) return false;
  if (nodes_.count(toKey) && toKey != fromKey) return false;
  if (it->second.readers || it->second.writer) return false;
  if (it->second.folder && hasChildren(fromKey)) return false;  // kept simple: empty folders only
  Node node = it->second;
  node.path = fullPath(to);
  nodes_.erase(it);
  nodes_[toKey] = node;
  return true;
}

bool FakeFileSystem::removeFile(const std::string& path) {
  const Node* node = findFile(path);
  if (!node || (node->attributes & platform::kAttrReadOnly) || node->readers || node->writer)
    return false;
  nodes_.erase(keyOf(path));
  return true;
}

bool FakeFileSystem::makeFolder(const std::string& path) {
  const std::string key = keyOf(path);
  if (nodes_.count(key) || !parentExists(key) || parentKey(key).empty()) return false;
  addFolder(path);
  return true;
}

bool FakeFileSystem::removeFolder(const std::string& path) {
  const std::string key = keyOf(path);
  const auto it = nodes_.find(key);
  if (it == nodes_.end() || !it->second.folder || parentKey(key).empty() || hasChildren(key))
    return false;
  nodes_.erase(it);
  return true;
}

std::vector<platform::FileEntry> FakeFileSystem::list(const std::string& folder,
                                                      const std::string& pattern) {
  std::vector<platform::FileEntry> entries;
  const std::string key = keyOf(folder);
  for (const auto& [childKey, node] : nodes_) {
    if (parentKey(childKey) != key) continue;
    const std::string name = base::ExtractFileName(node.path);
    if (base::MatchesWildcard(name, pattern))
      entries.push_back({name, node.attributes, node.data.size(), node.lastWrite});
  }
  return entries;
}

std::optional<platform::FileEntry> FakeFileSystem::stat(const std::string& path) {
  const Node* node = find(path);
  if (!node || parentKey(keyOf(path)).empty()) return std::nullopt;
  return platform::FileEntry{base::ExtractFileName(node->path), node->attributes, node->data.size(),
                             node->lastWrite};
}

std::unique_ptr<platform::OpenFile> FakeFileSystem::openRead(const std::string& path) {
  Node* node = findFile(path);
  if (!node || node->writer) return nullptr;
  return std::make_unique<FakeOpenFile>(*this, *node, keyOf(path), false);
}

std::unique_ptr<platform::OpenFile> FakeFileSystem::create(const std::string& path) {
  const std::string key = keyOf(path);
  if (createFailures_.count(key) || !parentExists(key)) return nullptr;
  if (Node* old = find(path)) {
    if (old->folder || (old->attributes & platform::kAttrReadOnly) || old->readers || old->writer)
      return nullptr;
  }
  addFile(path, std::string(), platform::kAttrArchive, writeTime_);
  return std::make_unique<FakeOpenFile>(*this, nodes_[key], key, true);
}

bool FakeFileSystem::setCurrentFolder(const std::string& path) {
  if (!folderExists(path)) return false;
  current_ = find(path)->path;
  if (current_.size() == 2) current_ += "\\";
  return true;
}

std::string FakeFileSystem::currentFolder() { return current_; }

std::string FakeFileSystem::longPath(const std::string& path) {
  const Node* node = find(path);
  if (!node) return path;
  return base::EndsWithSeparator(path) ? base::AddTrailingSlash(node->path) : node->path;
}

std::string FakeFileSystem::windowsFolder() { return windowsFolder_; }

}  // namespace fakes

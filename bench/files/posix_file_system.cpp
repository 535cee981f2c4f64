#include "posix_file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "base/path.h"
#include "base/wildcard.h"

namespace bench {
namespace {

platform::FileTime ToFileTime(const struct timespec& t) {
  constexpr std::uint64_t kEpochGap = 11644473600ull;  // seconds from 1601 to 1970
  return (static_cast<std::uint64_t>(t.tv_sec) + kEpochGap) * 10000000ull + t.tv_nsec / 100;
}

platform::FileEntry EntryOf(const std::string& name, const struct stat& st) {
  std::uint32_t a = S_ISDIR(st.st_mode) ? platform::kAttrDirectory : platform::kAttrArchive;
  if (!(st.st_mode & S_IWUSR)) a |= platform::kAttrReadOnly;
  return {name, a, static_cast<std::uint64_t>(st.st_size), ToFileTime(st.st_mtim)};
}

bool WriteAll(int fd, const char* p, std::size_t n) {
  while (n > 0) {
    const ssize_t done = ::write(fd, p, n);
    if (done <= 0) return false;
    p += done;
    n -= static_cast<std::size_t>(done);
  }
  return true;
}

class PosixOpenFile : public platform::OpenFile {
 public:
  explicit PosixOpenFile(int fd) : fd_(fd) {}
  ~PosixOpenFile() override { ::close(fd_); }
  long long read(void* buffer, std::size_t bytes) override { return ::read(fd_, buffer, bytes); }
  bool write(const void* buffer, std::size_t bytes) override {
    return WriteAll(fd_, static_cast<const char*>(buffer), bytes);
  }
  std::optional<platform::FileTime> lastWriteTime() override {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return std::nullopt;
    return ToFileTime(st.st_mtim);
  }
  bool setLastWriteTime(platform::FileTime) override { return false; }

 private:
  int fd_;
};

std::unique_ptr<platform::OpenFile> OpenFd(const std::string& path, int flags) {
  if (path.empty()) return nullptr;
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  return std::make_unique<PosixOpenFile>(fd);
}

}  // namespace

std::string PosixFileSystem::host(const std::string& path) {
  const std::string full = fullPath(path);
  if (full.size() < 2 || (full[0] != 'C' && full[0] != 'c') || full[1] != ':') return {};
  std::string out = root_;
  for (std::size_t i = 2; i < full.size(); ++i) out += full[i] == '\\' ? '/' : full[i];
  return out;
}

std::string PosixFileSystem::fullPath(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path;
  return base::AddTrailingSlash(current_) + path;
}

bool PosixFileSystem::fileExists(const std::string& path) {
  auto e = stat(path);
  return e && !(e->attributes & platform::kAttrDirectory);
}

bool PosixFileSystem::folderExists(const std::string& path) {
  auto e = stat(path);
  return e && (e->attributes & platform::kAttrDirectory);
}

std::optional<std::string> PosixFileSystem::readAll(const std::string& path) {
  auto file = openRead(path);
  if (!file) return std::nullopt;
  std::string data;
  if (auto e = stat(path)) data.reserve(e->size);  // as the Win32 one does
  char chunk[65536];
  for (;;) {
    const long long got = file->read(chunk, sizeof chunk);
    if (got < 0) return std::nullopt;
    if (got == 0) return data;
    data.append(chunk, static_cast<std::size_t>(got));
  }
}

bool PosixFileSystem::writeAtomic(const std::string& path, const std::string& bytes) {
  const std::string target = host(path);
  if (target.empty()) return false;
  // The temporary file sits next to the target, so the rename stays on one volume.
  std::string temp = target.substr(0, target.rfind('/') + 1) + "zelXXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;
  ::fchmod(fd, 0644);  // mkstemp's owner-only mode would stick to the renamed file
  const bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
  ::close(fd);
  if (!ok || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

bool PosixFileSystem::rename(const std::string& from, const std::string& to) {
  return ::rename(host(from).c_str(), host(to).c_str()) == 0;
}

bool PosixFileSystem::removeFile(const std::string& path) { return ::unlink(host(path).c_str()) == 0; }
bool PosixFileSystem::makeFolder(const std::string& path) { return ::mkdir(host(path).c_str(), 0755) == 0; }
bool PosixFileSystem::removeFolder(const std::string& path) { return ::rmdir(host(path).c_str()) == 0; }

std::vector<platform::FileEntry> PosixFileSystem::list(const std::string& folder, const std::string& pattern) {
  std::vector<platform::FileEntry> entries;
  const std::string where = host(folder);
  DIR* d = where.empty() ? nullptr : ::opendir(where.c_str());
  if (!d) return entries;
  while (const dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name == "." || name == ".." || !base::MatchesWildcard(name, pattern)) continue;
    struct stat st;
    if (::fstatat(::dirfd(d), e->d_name, &st, 0) == 0) entries.push_back(EntryOf(name, st));
  }
  ::closedir(d);
  return entries;
}

std::optional<platform::FileEntry> PosixFileSystem::stat(const std::string& path) {
  const std::string h = host(path);
  struct stat st;
  if (h.empty() || ::stat(h.c_str(), &st) != 0) return std::nullopt;
  return EntryOf(base::ExtractFileName(base::StripTrailingSlash(path)), st);
}

std::unique_ptr<platform::OpenFile> PosixFileSystem::openRead(const std::string& path) {
  return OpenFd(host(path), O_RDONLY);
}

std::unique_ptr<platform::OpenFile> PosixFileSystem::create(const std::string& path) {
  return OpenFd(host(path), O_RDWR | O_CREAT | O_TRUNC);
}

bool PosixFileSystem::setCurrentFolder(const std::string& path) {
  if (!folderExists(path)) return false;
  current_ = base::StripTrailingSlash(fullPath(path));
  if (current_.size() == 2) current_ += '\\';
  return true;
}

}  // namespace bench

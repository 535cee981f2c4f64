#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "bare_io.h"
#include "posix_file_system.h"

namespace bench {
namespace {

// Calls fn(name, stat) for every entry of folder except "." and "..".
template <typename Fn>
void ForEachEntry(const std::string& folder, Fn fn) {
  DIR* d = ::opendir(folder.c_str());
  if (!d) return;
  while (const dirent* e = ::readdir(d)) {
    const char* n = e->d_name;
    if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
    struct stat st;
    if (::fstatat(::dirfd(d), n, &st, 0) == 0) fn(n, st);
  }
  ::closedir(d);
}

}  // namespace

const char* FileSystemName() { return "a POSIX stand-in (bench/files/posix_file_system.cpp)"; }

std::unique_ptr<platform::FileSystem> PlayerFileSystem(const std::string& root) {
  return std::make_unique<PosixFileSystem>(root);
}

std::string PlayerPath(const std::string&, const std::string& sub) {
  std::string p = "C:\\" + sub;
  for (char& c : p) c = c == '/' ? '\\' : c;
  return p;
}

std::string NativePath(const std::string& root, const std::string& sub) { return root + "/" + sub; }

double NowMs() {
  struct timespec t;
  ::clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

long long BareCountFiles(const std::string& folder) {
  long long files = 0;
  ForEachEntry(folder, [&](const char*, const struct stat& st) { files += !S_ISDIR(st.st_mode); });
  return files;
}

long long BareCountTree(const std::string& folder) {
  long long files = 0;
  ForEachEntry(folder, [&](const char* name, const struct stat& st) {
    files += S_ISDIR(st.st_mode) ? BareCountTree(folder + "/" + name) : 1;
  });
  return files;
}

std::string BareRead(const std::string& path) {
  std::string data;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return data;
  struct stat st;
  ::fstat(fd, &st);
  data.resize(static_cast<std::size_t>(st.st_size));
  const ssize_t got = ::read(fd, data.data(), data.size());
  data.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  ::close(fd);
  return data;
}

bool BareWrite(const std::string& path, const std::string& bytes, bool flush) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  if (flush) ok = ok && ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

}  // namespace bench

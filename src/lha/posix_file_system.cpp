#include "lha/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <cerrno>
#include <cstdlib>

namespace lha {
namespace {

// Names go to the system unchanged: on a POSIX system a backslash is an
// ordinary byte, and it may be half of a Shift-JIS character.
const std::string& toPosix(const std::string& path) { return path; }

class PosixOutputFile : public OutputFile {
public:
  PosixOutputFile(int fd, std::string temp, std::string target)
      : fd_(fd), temp_(std::move(temp)), target_(std::move(target)) {}
  ~PosixOutputFile() override {
    if (fd_ >= 0) ::close(fd_);
    if (!committed_) ::unlink(temp_.c_str());
  }
  bool write(const uint8_t* data, size_t size) override {
    while (size > 0) {
      ssize_t n = ::write(fd_, data, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      data += n;
      size -= static_cast<size_t>(n);
    }
    return true;
  }
  bool commit(int64_t mtime) override {
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return false;
    if (mtime >= 0) {
      struct utimbuf t{static_cast<time_t>(mtime), static_cast<time_t>(mtime)};
      ::utime(temp_.c_str(), &t);
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) return false;
    committed_ = true;
    return true;
  }

private:
  int fd_;
  std::string temp_, target_;
  bool committed_ = false;
};

}  // namespace

bool PosixFileSystem::readFile(const std::string& path, std::vector<uint8_t>& out) {
  int fd = ::open(toPosix(path).c_str(), O_RDONLY);
  if (fd < 0) return false;
  out.clear();
  struct ::stat st;
  if (::fstat(fd, &st) == 0 && st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));  // one allocation
  uint8_t buf[65536];
  bool ok = true;
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ok = false;
    if (n <= 0) break;
    out.insert(out.end(), buf, buf + n);
  }
  ::close(fd);
  return ok;
}

FileInfo PosixFileSystem::stat(const std::string& path) {
  FileInfo info;
  struct ::stat st;
  if (::stat(toPosix(path).c_str(), &st) != 0) return info;
  info.exists = true;
  info.isDirectory = S_ISDIR(st.st_mode);
  info.mtime = static_cast<int64_t>(st.st_mtime);
  info.unixMode = static_cast<uint16_t>(st.st_mode & 0177777);
  return info;
}

bool PosixFileSystem::makeDirectories(const std::string& path) {
  const std::string& p = path;
  for (size_t i = 1; i <= p.size(); ++i) {
    if (i < p.size() && p[i] != '/') continue;
    std::string part = p.substr(0, i);
    if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return false;
  }
  struct ::stat st;
  return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::unique_ptr<OutputFile> PosixFileSystem::create(const std::string& path) {
  const std::string& target = path;
  size_t slash = target.rfind('/');
  std::string dir = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  std::string temp = dir + (slash == std::string::npos ? "/" : "") + ".lhatmp-XXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) return nullptr;
  ::fchmod(fd, 0644);
  return std::make_unique<PosixOutputFile>(fd, temp, target);
}

}  // namespace lha

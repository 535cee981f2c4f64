#pragma once
// A throw-away folder for host tests, removed with everything in it.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

class TempDir {
public:
  TempDir() {
    char pattern[] = "/tmp/lha-test-XXXXXX";
    path_ = ::mkdtemp(pattern);
  }
  ~TempDir() { removeTree(path_); }
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& rel) const { return path_ + "/" + rel; }

  // Regular files below `dir`, as paths relative to it, sorted.
  static std::vector<std::string> filesBelow(const std::string& dir, const std::string& prefix = "") {
    std::vector<std::string> out;
    DIR* d = ::opendir(dir.c_str());
    if (!d) return out;
    while (dirent* e = ::readdir(d)) {
      std::string n = e->d_name;
      if (n == "." || n == "..") continue;
      struct stat st;
      std::string full = dir + "/" + n;
      if (::lstat(full.c_str(), &st) != 0) continue;
      if (S_ISDIR(st.st_mode)) {
        for (auto& f : filesBelow(full, prefix + n + "/")) out.push_back(f);
      } else {
        out.push_back(prefix + n);
      }
    }
    ::closedir(d);
    std::sort(out.begin(), out.end());
    return out;
  }

private:
  static void removeTree(const std::string& p) {
    struct stat st;
    if (::lstat(p.c_str(), &st) != 0) return;
    if (S_ISDIR(st.st_mode)) {
      if (DIR* d = ::opendir(p.c_str())) {
        while (dirent* e = ::readdir(d)) {
          std::string n = e->d_name;
          if (n != "." && n != "..") removeTree(p + "/" + n);
        }
        ::closedir(d);
      }
      ::rmdir(p.c_str());
    } else {
      ::unlink(p.c_str());
    }
  }

  std::string path_;
};

inline void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

inline std::vector<uint8_t> readBytes(const std::string& path) {
  std::vector<uint8_t> v;
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return v;
  int c;
  while ((c = std::fgetc(f)) != EOF) v.push_back(static_cast<uint8_t>(c));
  std::fclose(f);
  return v;
}

#include "unlha32/win_file_system.h"

#include <windows.h>

namespace unlha {
namespace {

std::wstring toWide(const std::string& s) {
  std::string path = s;
  for (char& c : path)  // "/" is never half of a double-byte character
    if (c == '/') c = '\\';
  if (path.empty()) return std::wstring();
  int n = MultiByteToWideChar(932, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(932, 0, path.data(), static_cast<int>(path.size()), w.data(), n);
  return w;
}

constexpr int64_t kUnixEpochInFileTime = 116444736000000000LL;

int64_t toUnix(const FILETIME& ft) {
  int64_t t = (int64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  return (t - kUnixEpochInFileTime) / 10000000;
}

FILETIME toFileTime(int64_t unix) {
  int64_t t = unix * 10000000 + kUnixEpochInFileTime;
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(t);
  ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
  return ft;
}

class WinOutputFile : public lha::OutputFile {
public:
  WinOutputFile(HANDLE h, std::wstring temp, std::wstring target)
      : handle_(h), temp_(std::move(temp)), target_(std::move(target)) {}
  ~WinOutputFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    if (!committed_) DeleteFileW(temp_.c_str());
  }
  bool write(const uint8_t* data, size_t size) override {
    while (size > 0) {
      DWORD chunk = size > (1u << 30) ? (1u << 30) : static_cast<DWORD>(size), done = 0;
      if (!WriteFile(handle_, data, chunk, &done, nullptr) || done == 0) return false;
      data += done;
      size -= done;
    }
    return true;
  }
  bool commit(int64_t mtime) override {
    if (mtime >= 0) {
      FILETIME ft = toFileTime(mtime);
      SetFileTime(handle_, nullptr, nullptr, &ft);
    }
    BOOL closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (!closed || !MoveFileExW(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING)) return false;
    committed_ = true;
    return true;
  }

private:
  HANDLE handle_;
  std::wstring temp_, target_;
  bool committed_ = false;
};

}  // namespace

bool WinFileSystem::readFile(const std::string& path, std::vector<uint8_t>& out) {
  HANDLE h = CreateFileW(toWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  out.clear();
  LARGE_INTEGER size;
  if (GetFileSizeEx(h, &size) && size.QuadPart > 0) out.reserve(static_cast<size_t>(size.QuadPart));  // one allocation
  bool ok = true;
  uint8_t buf[65536];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(h, buf, sizeof buf, &n, nullptr)) ok = false;
    if (!ok || n == 0) break;
    out.insert(out.end(), buf, buf + n);
  }
  CloseHandle(h);
  return ok;
}

lha::FileInfo WinFileSystem::stat(const std::string& path) {
  lha::FileInfo info;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(toWide(path).c_str(), GetFileExInfoStandard, &data)) return info;
  info.exists = true;
  info.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  info.mtime = toUnix(data.ftLastWriteTime);
  return info;
}

bool WinFileSystem::makeDirectories(const std::string& path) {
  std::wstring w = toWide(path);
  while (w.size() > 1 && w.back() == L'\\') w.pop_back();
  for (size_t i = 0; i <= w.size(); ++i) {
    if (i < w.size() && w[i] != L'\\') continue;
    std::wstring part = w.substr(0, i);
    if (part.empty() || part.back() == L':' || part.back() == L'\\') continue;  // root, drive, UNC prefix
    DWORD attr = GetFileAttributesW(part.c_str());
    if (attr != INVALID_FILE_ATTRIBUTES) continue;
    if (!CreateDirectoryW(part.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
  }
  DWORD attr = GetFileAttributesW(w.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

std::unique_ptr<lha::OutputFile> WinFileSystem::create(const std::string& path) {
  std::wstring target = toWide(path);
  size_t slash = target.rfind(L'\\');
  std::wstring dir = slash == std::wstring::npos ? L"." : target.substr(0, slash + 1);
  wchar_t temp[MAX_PATH + 1];
  if (!GetTempFileNameW(dir.c_str(), L"lha", 0, temp)) return nullptr;
  HANDLE h = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    DeleteFileW(temp);
    return nullptr;
  }
  return std::make_unique<WinOutputFile>(h, temp, target);
}

}  // namespace unlha

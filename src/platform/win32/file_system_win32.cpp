#include "platform/win32/file_system_win32.h"

#include <windows.h>

#include <algorithm>

#include "base/path.h"
#include "base/wildcard.h"
#include "platform/win32/text.h"

namespace platform::win32 {
namespace {

FileTime ToFileTime(const FILETIME& ft) {
  return (static_cast<FileTime>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}

FILETIME FromFileTime(FileTime t) {
  FILETIME ft;
  ft.dwLowDateTime = static_cast<DWORD>(t & 0xFFFFFFFFu);
  ft.dwHighDateTime = static_cast<DWORD>(t >> 32);
  return ft;
}

DWORD Attributes(const std::string& path) { return GetFileAttributesW(ToWide(path).c_str()); }

class Win32OpenFile : public OpenFile {
 public:
  explicit Win32OpenFile(HANDLE handle) : handle_(handle) {}
  ~Win32OpenFile() override { CloseHandle(handle_); }

  long long read(void* buffer, std::size_t bytes) override {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes, 0x40000000));
    DWORD got = 0;
    if (!ReadFile(handle_, buffer, want, &got, nullptr)) return -1;
    return got;
  }

  bool write(const void* buffer, std::size_t bytes) override {
    const char* p = static_cast<const char*>(buffer);
    while (bytes > 0) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes, 0x40000000));
      DWORD done = 0;
      if (!WriteFile(handle_, p, chunk, &done, nullptr) || done != chunk) return false;
      p += chunk;
      bytes -= chunk;
    }
    return true;
  }

  std::optional<FileTime> lastWriteTime() override {
    FILETIME ft;
    if (!GetFileTime(handle_, nullptr, nullptr, &ft)) return std::nullopt;
    return ToFileTime(ft);
  }

  bool setLastWriteTime(FileTime time) override {
    const FILETIME ft = FromFileTime(time);
    return SetFileTime(handle_, nullptr, nullptr, &ft) != 0;
  }

 private:
  HANDLE handle_;
};

std::unique_ptr<OpenFile> Open(const std::string& path, DWORD access, DWORD share, DWORD how) {
  HANDLE h = CreateFileW(ToWide(path).c_str(), access, share, nullptr, how, FILE_ATTRIBUTE_NORMAL,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32OpenFile>(h);
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  Win32OpenFile file(h);
  return file.write(bytes.data(), bytes.size()) && FlushFileBuffers(h);
}

// Returns a buffer-sized call's text, growing the buffer when the answer says so.
template <typename Call>
std::wstring AskForText(Call call) {
  std::wstring buf(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 4; ++attempt) {
    const DWORD n = call(buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return std::wstring();
    if (n < buf.size()) {
      buf.resize(n);
      return buf;
    }
    buf.assign(n + 1, L'\0');
  }
  return std::wstring();
}

}  // namespace

bool Win32FileSystem::fileExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::folderExists(const std::string& path) {
  const DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> Win32FileSystem::readAll(const std::string& path) {
  auto file = Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  if (!file) return std::nullopt;
  std::string data;
  // Memory lists run to megabytes: one allocation of the right size instead of doublings.
  WIN32_FILE_ATTRIBUTE_DATA info;
  if (GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &info) && info.nFileSizeHigh == 0)
    data.reserve(info.nFileSizeLow);
  char chunk[65536];
  for (;;) {
    const long long got = file->read(chunk, sizeof chunk);
    if (got < 0) return std::nullopt;
    if (got == 0) return data;
    data.append(chunk, static_cast<std::size_t>(got));
  }
}

bool Win32FileSystem::writeAtomic(const std::string& path, const std::string& bytes) {
  const std::wstring target = ToWide(fullPath(path));
  // Windows refuses to rename over a read-only file but Wine does not; refuse on both.
  const DWORD existing = GetFileAttributesW(target.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY)) return false;
  std::wstring folder = ToWide(base::ExtractFilePath(fullPath(path)));
  if (folder.empty()) folder = L".";
  wchar_t temp[MAX_PATH + 1];
  // Makes a unique empty file in the target's folder, so the rename stays on one volume.
  if (!GetTempFileNameW(folder.c_str(), L"zel", 0, temp)) return false;
  if (!WriteWhole(temp, bytes) ||
      !MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temp);
    return false;
  }
  return true;
}

bool Win32FileSystem::rename(const std::string& from, const std::string& to) {
  return MoveFileW(ToWide(from).c_str(), ToWide(to).c_str()) != 0;
}

bool Win32FileSystem::removeFile(const std::string& path) {
  return DeleteFileW(ToWide(path).c_str()) != 0;
}

bool Win32FileSystem::makeFolder(const std::string& path) {
  return CreateDirectoryW(ToWide(path).c_str(), nullptr) != 0;
}

bool Win32FileSystem::removeFolder(const std::string& path) {
  return RemoveDirectoryW(ToWide(path).c_str()) != 0;
}

std::vector<FileEntry> Win32FileSystem::list(const std::string& folder, const std::string& pattern) {
  std::vector<FileEntry> entries;
  WIN32_FIND_DATAW data;
  const std::wstring query = ToWide(base::AddTrailingSlash(folder) + pattern);
  HANDLE h = FindFirstFileExW(query.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
  if (h == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::string name = FromWide(data.cFileName);
    // The system also matches short 8.3 names ("*.wav" finding "a.wave"); keep long-name matches.
    if (name == "." || name == ".." || !base::MatchesWildcard(name, pattern)) continue;
    const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entries.push_back({name, data.dwFileAttributes, size, ToFileTime(data.ftLastWriteTime)});
  } while (FindNextFileW(h, &data));
  FindClose(h);
  return entries;
}

std::optional<FileEntry> Win32FileSystem::stat(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(ToWide(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return FileEntry{base::ExtractFileName(base::StripTrailingSlash(path)), data.dwFileAttributes, size,
                   ToFileTime(data.ftLastWriteTime)};
}

std::unique_ptr<OpenFile> Win32FileSystem::openRead(const std::string& path) {
  return Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
}

std::unique_ptr<OpenFile> Win32FileSystem::create(const std::string& path) {
  return Open(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
}

bool Win32FileSystem::setCurrentFolder(const std::string& path) {
  return SetCurrentDirectoryW(ToWide(path).c_str()) != 0;
}

std::string Win32FileSystem::currentFolder() {
  return FromWide(AskForText([](wchar_t* buf, DWORD n) { return GetCurrentDirectoryW(n, buf); }));
}

std::string Win32FileSystem::fullPath(const std::string& path) {
  if (path.empty()) return path;
  const std::wstring wide = ToWide(path);
  const std::wstring full = AskForText(
      [&](wchar_t* buf, DWORD n) { return GetFullPathNameW(wide.c_str(), n, buf, nullptr); });
  return full.empty() ? path : FromWide(full);
}

std::string Win32FileSystem::longPath(const std::string& path) {
  const std::wstring wide = ToWide(path);
  const std::wstring full =
      AskForText([&](wchar_t* buf, DWORD n) { return GetLongPathNameW(wide.c_str(), buf, n); });
  return full.empty() ? path : FromWide(full);
}

std::string Win32FileSystem::windowsFolder() {
  return base::AddTrailingSlash(
      FromWide(AskForText([](wchar_t* buf, DWORD n) { return GetWindowsDirectoryW(buf, n); })));
}

}  // namespace platform::win32

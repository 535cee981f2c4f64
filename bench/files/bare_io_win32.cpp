#include <windows.h>

#include "bare_io.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/text.h"

namespace bench {
namespace {

// Calls fn for every entry of folder except "." and ".."; the find data says what it is.
template <typename Fn>
void ForEachEntry(const std::wstring& folder, Fn fn) {
  WIN32_FIND_DATAW data;
  HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const wchar_t* n = data.cFileName;
    if (n[0] == L'.' && (n[1] == 0 || (n[1] == L'.' && n[2] == 0))) continue;
    fn(data);
  } while (FindNextFileW(h, &data));
  FindClose(h);
}

long long CountTree(const std::wstring& folder) {
  long long files = 0;
  ForEachEntry(folder, [&](const WIN32_FIND_DATAW& d) {
    if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      files += CountTree(folder + L"\\" + d.cFileName);
    else
      ++files;
  });
  return files;
}

}  // namespace

const char* FileSystemName() { return "the real Win32 file system"; }

std::unique_ptr<platform::FileSystem> PlayerFileSystem(const std::string&) {
  return std::make_unique<platform::win32::Win32FileSystem>();
}

std::string PlayerPath(const std::string& root, const std::string& sub) { return NativePath(root, sub); }

std::string NativePath(const std::string& root, const std::string& sub) {
  std::string p = root + "\\" + sub;
  for (char& c : p) c = c == '/' ? '\\' : c;
  return p;
}

double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart);
}

long long BareCountFiles(const std::string& folder) {
  long long files = 0;
  ForEachEntry(platform::win32::ToWide(folder), [&](const WIN32_FIND_DATAW& d) {
    if (!(d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
  });
  return files;
}

long long BareCountTree(const std::string& folder) { return CountTree(platform::win32::ToWide(folder)); }

std::string BareRead(const std::string& path) {
  HANDLE h = CreateFileW(platform::win32::ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  std::string data;
  if (h == INVALID_HANDLE_VALUE) return data;
  LARGE_INTEGER size;
  GetFileSizeEx(h, &size);
  data.resize(static_cast<std::size_t>(size.QuadPart));
  DWORD got = 0;
  ReadFile(h, data.data(), static_cast<DWORD>(data.size()), &got, nullptr);
  data.resize(got);
  CloseHandle(h);
  return data;
}

bool BareWrite(const std::string& path, const std::string& bytes, bool flush) {
  HANDLE h = CreateFileW(platform::win32::ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD done = 0;
  bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) && done == bytes.size();
  if (flush) ok = ok && FlushFileBuffers(h);
  CloseHandle(h);
  return ok;
}

}  // namespace bench

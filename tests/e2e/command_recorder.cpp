// Stands in for the program a file type is associated with: writes the command line it was
// started with (code page 932) into "command.txt" beside itself, under another name first so
// that the file appears whole.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH] = {};
  std::wstring folder(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  folder.resize(folder.find_last_of(L'\\') + 1);
  char line[4096] = {};
  const int bytes = WideCharToMultiByte(932, 0, GetCommandLineW(), -1, line, sizeof line, nullptr, nullptr);
  HANDLE file = CreateFileW((folder + L"command.part").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  const BOOL ok = bytes > 0 && WriteFile(file, line, bytes - 1, &written, nullptr);
  CloseHandle(file);
  return ok && MoveFileExW((folder + L"command.part").c_str(), (folder + L"command.txt").c_str(),
                           MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}

#pragma once
// The player's own windows as the driver recognises them.
#include <windows.h>

#include <string>

namespace e2e {

extern const wchar_t kMainWindowClass[];
extern const wchar_t kSetupWindowClass[];
extern const wchar_t kFolderDialogClass[];
extern const wchar_t kIdleTitle[];

// Usable: enabled, idle title, start-up banner hidden, every menu of the bar enabled
// (where the menu can be read from another process; see MenuBarEnabled).
bool MainWindowUsable(HWND main);
// The main window of process pid once it is usable, or nullptr after timeoutMs.
HWND WaitForUsableMainWindow(DWORD pid, DWORD timeoutMs);

}  // namespace e2e

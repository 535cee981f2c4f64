#include "player_windows.h"

#include "core/control_ids.h"
#include "remote_window.h"

namespace e2e {

const wchar_t kMainWindowClass[] = L"TZELCOR32ZUMIK";
const wchar_t kSetupWindowClass[] = L"TBGM_SETUPFM";
const wchar_t kFolderDialogClass[] = L"TDIR2SETForm";
const wchar_t kIdleTitle[] = L"Zelcor32 B-G-M";

bool MainWindowUsable(HWND main) {
  if (!main || !IsWindowEnabled(main) || Text(main) != kIdleTitle) return false;
  if (IsShown(FindControl(main, ids::PanelOPEN))) return false;
  // Where the menu cannot be read, the menus are enabled in the same start-up step that sets
  // the idle title and hides the banner, so those two stand for it.
  return MenuBarEnabled(main).value_or(true);
}

HWND WaitForUsableMainWindow(DWORD pid, DWORD timeoutMs) {
  HWND main = nullptr;
  const bool ok = WaitUntil(
      [&] {
        if (!main) main = FindTopWindow(kMainWindowClass, pid);
        return MainWindowUsable(main);
      },
      timeoutMs);
  return ok ? main : nullptr;
}

}  // namespace e2e

#pragma once
// Finding and reading another process's windows and controls through ordinary messages.
// Every send has a time limit, so a hung player fails a test instead of hanging it.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

constexpr UINT kSendTimeoutMs = 5000;

// A top-level window of the class owned by process pid (0: any process), or nullptr.
HWND FindTopWindow(const std::wstring& windowClass, DWORD pid = 0);
// Polls for such a window until timeoutMs has passed.
HWND WaitForTopWindow(const std::wstring& windowClass, DWORD pid, DWORD timeoutMs);
// Polls until ready() holds or timeoutMs has passed; returns whether it held.
template <class F>
bool WaitUntil(F ready, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (ready()) return true;
    if (GetTickCount64() >= end) return false;
    Sleep(20);
  }
}

// The control with this ID anywhere below top (controls sit inside panels), or nullptr.
HWND FindControl(HWND top, int id);

// False when the window's thread does not answer within the time limit.
bool Responds(HWND hwnd);
std::wstring Text(HWND hwnd);  // WM_GETTEXT
bool IsShown(HWND hwnd);       // visible itself and all its parents
std::vector<std::wstring> ListBoxItems(HWND listBox);
std::vector<std::wstring> ComboBoxItems(HWND comboBox);
bool IsChecked(HWND button);
// Panel texts of a status bar; process is the owner's handle (the text buffer must live there).
std::wstring StatusBarText(HWND statusBar, HANDLE process, int panel);
// A header control's section text; process as above.
std::wstring HeaderText(HWND header, HANDLE process, int section);
// The text of a list view cell (column 0: the row's own text); process as above.
std::wstring ListViewText(HWND listView, HANDLE process, int row, int column);
// Whether every item of the window's menu bar is enabled; nothing when the menu cannot be read
// from another process (Wine 8 keeps menus per process: GetMenuItemCount there fails).
std::optional<bool> MenuBarEnabled(HWND top);

// Input as the window system delivers it, posted so a modal window cannot block the driver.
void Click(HWND button);                 // WM_COMMAND BN_CLICKED to the button's parent
// Selects the item as a click would (alone, in a multi-select list) and tells the list's parent.
void ChooseListItem(HWND listBox, int index);
// Selects exactly these items of a multi-select list (none: clears it) and tells the list's parent.
void ChooseListItems(HWND listBox, const std::vector<int>& indexes);
void ChooseMenuCommand(HWND top, int id);  // WM_COMMAND with the menu ID
void RequestClose(HWND top);              // WM_CLOSE

// The middle of entry index of a list box, in the list's client coordinates (the entry must be
// scrolled into view).
POINT ListEntryPoint(HWND listBox, int index);
bool ListEntrySelected(HWND listBox, int index);
// A left-button drag with the mouse: press at `from` in from's client coordinates, moves in a
// few steps to client point `to` of window toWindow, release there. The messages go to from,
// as they do while the pressed window holds the mouse.
void DragWithMouse(HWND from, POINT at, HWND toWindow, POINT to);
// A left click at client point `at`.
void ClickAt(HWND window, POINT at);
// The hint that shows over window top, empty when none does.
std::wstring ShownHint(HWND top);
// The open pop-up menu of process pid, or nullptr.
HWND FindOpenPopupMenu(DWORD pid);

}  // namespace e2e

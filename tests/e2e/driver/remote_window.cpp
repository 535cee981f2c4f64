#include "remote_window.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/win32/hints.h"

namespace e2e {

namespace {

struct TopSearch {
  const std::wstring* windowClass;
  DWORD pid;
  HWND found;
};

BOOL CALLBACK matchTop(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<TopSearch*>(lp);
  wchar_t cls[256] = {};
  GetClassNameW(hwnd, cls, 256);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (*s->windowClass == cls && (s->pid == 0 || s->pid == owner)) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK matchChild(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<ChildSearch*>(lp);
  if (GetDlgCtrlID(hwnd) == s->id) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

LRESULT send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, bool* ok = nullptr) {
  DWORD_PTR result = 0;
  const bool answered =
      SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendTimeoutMs, &result) != 0;
  if (ok) *ok = answered;
  return answered ? static_cast<LRESULT>(result) : LRESULT(-1);
}

std::vector<std::wstring> items(HWND hwnd, UINT countMsg, UINT lenMsg, UINT textMsg) {
  std::vector<std::wstring> out;
  const LRESULT n = send(hwnd, countMsg, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    const LRESULT len = send(hwnd, lenMsg, i, 0);
    if (len < 0) break;
    std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
    const LRESULT got = send(hwnd, textMsg, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    out.push_back(text);
  }
  return out;
}

// A buffer borrowed in another process, for controls that write into memory of their own.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, std::size_t bytes)
      : process_(process), at_(VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
  ~RemoteMemory() {
    if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  explicit operator bool() const { return at_ != nullptr; }
  void* at() const { return at_; }
  bool write(const void* data, std::size_t bytes) {
    SIZE_T done = 0;
    return WriteProcessMemory(process_, at_, data, bytes, &done) && done == bytes;
  }
  // The text of at most maxChars characters found offset bytes in, up to its terminator.
  std::wstring text(std::size_t offset, std::size_t maxChars) const {
    std::wstring t(maxChars + 1, L'\0');
    SIZE_T read = 0;
    ReadProcessMemory(process_, static_cast<char*>(at_) + offset, t.data(), (maxChars + 1) * sizeof(wchar_t), &read);
    t.resize(wcsnlen(t.c_str(), maxChars));
    return t;
  }

 private:
  HANDLE process_;
  void* at_;
};

}  // namespace

HWND FindTopWindow(const std::wstring& windowClass, DWORD pid) {
  TopSearch s{&windowClass, pid, nullptr};
  EnumWindows(matchTop, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND WaitForTopWindow(const std::wstring& windowClass, DWORD pid, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindTopWindow(windowClass, pid)) != nullptr; }, timeoutMs);
  return found;
}

HWND FindControl(HWND top, int id) {
  ChildSearch s{id, nullptr};
  EnumChildWindows(top, matchChild, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

bool Responds(HWND hwnd) {
  bool ok = false;
  send(hwnd, WM_NULL, 0, 0, &ok);
  return ok;
}

std::wstring Text(HWND hwnd) {
  // The player may retitle its window between the length and the text: read into room to
  // spare and again when the text filled it, so a new longer title is never cut to the old
  // one's length ("Zelcor32 B-G-M" read as "Zelcor32 a.wav").
  for (std::size_t room = 256;; room *= 4) {
    const LRESULT len = send(hwnd, WM_GETTEXTLENGTH, 0, 0);
    if (len <= 0) return L"";
    room = std::max(room, static_cast<std::size_t>(len) + 1);
    std::wstring text(room, L'\0');
    const LRESULT got = send(hwnd, WM_GETTEXT, room, reinterpret_cast<LPARAM>(text.data()));
    if (got < 0) return L"";
    if (static_cast<std::size_t>(got) + 1 < room) {
      text.resize(static_cast<std::size_t>(got));
      return text;
    }
  }
}

bool IsShown(HWND hwnd) { return hwnd && IsWindowVisible(hwnd); }

std::vector<std::wstring> ListBoxItems(HWND listBox) {
  return items(listBox, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::wstring> ComboBoxItems(HWND comboBox) {
  return items(comboBox, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

bool IsChecked(HWND button) { return send(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::wstring StatusBarText(HWND statusBar, HANDLE process, int panel) {
  const LRESULT info = send(statusBar, SB_GETTEXTLENGTHW, panel, 0);
  if (info < 0) return L"";
  const std::size_t len = LOWORD(info);
  RemoteMemory remote(process, (len + 1) * sizeof(wchar_t));
  if (!remote) return L"";
  send(statusBar, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(remote.at()));
  return remote.text(0, len);
}

// A text asked for through an item structure that points to its buffer (header sections, list
// view cells): the item and the text both live in the player's memory.
template <class Item>
std::wstring ItemText(HWND window, HANDLE process, UINT msg, WPARAM index, Item item) {
  constexpr std::size_t kChars = 260;
  RemoteMemory remote(process, sizeof(Item) + kChars * sizeof(wchar_t));
  if (!remote) return L"";
  item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote.at()) + sizeof(Item));
  item.cchTextMax = kChars;
  if (!remote.write(&item, sizeof item)) return L"";
  if (send(window, msg, index, reinterpret_cast<LPARAM>(remote.at())) <= 0) return L"";
  return remote.text(sizeof(Item), kChars - 1);
}

std::wstring HeaderText(HWND header, HANDLE process, int section) {
  HDITEMW item{};
  item.mask = HDI_TEXT;
  return ItemText(header, process, HDM_GETITEMW, section, item);
}

std::wstring ListViewText(HWND listView, HANDLE process, int row, int column) {
  LVITEMW item{};
  item.iSubItem = column;
  return ItemText(listView, process, LVM_GETITEMTEXTW, row, item);
}

std::optional<bool> MenuBarEnabled(HWND top) {
  HMENU bar = GetMenu(top);
  if (!bar) return false;
  const int n = GetMenuItemCount(bar);
  if (n < 0) return std::nullopt;
  if (n == 0) return false;
  for (int i = 0; i < n; ++i) {
    const UINT state = GetMenuState(bar, i, MF_BYPOSITION);
    if (state == static_cast<UINT>(-1) || (state & (MF_GRAYED | MF_DISABLED))) return false;
  }
  return true;
}

void Click(HWND button) {
  PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

void ChooseListItem(HWND listBox, int index) {
  const LONG_PTR style = GetWindowLongPtrW(listBox, GWL_STYLE);
  if (style & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) return ChooseListItems(listBox, {index});
  send(listBox, LB_SETCURSEL, index, 0);
  PostMessageW(GetParent(listBox), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(listBox), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(listBox));
}

void ChooseListItems(HWND listBox, const std::vector<int>& indexes) {
  send(listBox, LB_SETSEL, FALSE, -1);
  for (int i : indexes) send(listBox, LB_SETSEL, TRUE, i);
  if (!indexes.empty()) send(listBox, LB_SETCARETINDEX, indexes.back(), FALSE);
  PostMessageW(GetParent(listBox), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(listBox), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(listBox));
}

void ChooseMenuCommand(HWND top, int id) { PostMessageW(top, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void RequestClose(HWND top) { PostMessageW(top, WM_CLOSE, 0, 0); }

POINT ListEntryPoint(HWND listBox, int index) {
  const LRESULT height = send(listBox, LB_GETITEMHEIGHT, 0, 0);
  const LRESULT top = send(listBox, LB_GETTOPINDEX, 0, 0);
  RECT rc{};
  GetClientRect(listBox, &rc);
  return POINT{rc.right / 2, static_cast<LONG>((index - top) * height + height / 2)};
}

bool ListEntrySelected(HWND listBox, int index) { return send(listBox, LB_GETSEL, index, 0) > 0; }

namespace {
void postMouse(HWND window, UINT msg, WPARAM keys, POINT at) {
  PostMessageW(window, msg, keys, MAKELPARAM(static_cast<short>(at.x), static_cast<short>(at.y)));
}
}  // namespace

void ClickAt(HWND window, POINT at) {
  postMouse(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  postMouse(window, WM_LBUTTONUP, 0, at);
}

void DragWithMouse(HWND from, POINT at, HWND toWindow, POINT to) {
  MapWindowPoints(toWindow, from, &to, 1);
  postMouse(from, WM_LBUTTONDOWN, MK_LBUTTON, at);
  constexpr int kSteps = 4;
  for (int i = 1; i <= kSteps; ++i)
    postMouse(from, WM_MOUSEMOVE, MK_LBUTTON,
              POINT{at.x + (to.x - at.x) * i / kSteps, at.y + (to.y - at.y) * i / kSteps});
  postMouse(from, WM_LBUTTONUP, 0, to);
}

std::wstring ShownHint(HWND top) {
  HWND hint = GetDlgItem(top, ui::win32::kHintWindowId);
  return hint && IsWindowVisible(hint) ? Text(hint) : L"";
}

HWND FindOpenPopupMenu(DWORD pid) {
  HWND menu = FindTopWindow(L"#32768", pid);
  return IsShown(menu) ? menu : nullptr;
}

}  // namespace e2e

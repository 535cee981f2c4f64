#include "ui/win32/mouse_drag.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "ui/drag.h"
#include "ui/win32/control_peer.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

// The pointer of an accepted drag: an arrow carrying a sheet. 'X' black, '.' white.
const char* const kDragPicture[] = {
    "X               ",
    "XX              ",
    "X.X             ",
    "X..X            ",
    "X...X           ",
    "X....X          ",
    "X.....X         ",
    "X......X        ",
    "X.......X       ",
    "X....XXXXX      ",
    "X..X..X         ",
    "X.X X..X        ",
    "XX  X..X        ",
    "X    X..X       ",
    "     X..X       ",
    "      XX XXXXXXX",
    "         X.....X",
    "         X.....X",
    "         X.....X",
    "         XXXXXXX",
};

HCURSOR makeDragCursor() {
  const int w = GetSystemMetrics(SM_CXCURSOR), h = GetSystemMetrics(SM_CYCURSOR);
  const int stride = (w + 15) / 16 * 2;  // rows are padded to 16 bits
  std::string andMask(stride * h, '\xFF'), xorMask(stride * h, '\0');
  const int rows = static_cast<int>(sizeof kDragPicture / sizeof *kDragPicture);
  for (int y = 0; y < rows && y < h; ++y)
    for (int x = 0; kDragPicture[y][x] && x < w; ++x) {
      const char c = kDragPicture[y][x];
      if (c == ' ') continue;
      const unsigned char bit = static_cast<unsigned char>(0x80 >> (x % 8));
      andMask[y * stride + x / 8] &= static_cast<char>(~bit);
      if (c == '.') xorMask[y * stride + x / 8] |= static_cast<char>(bit);
    }
  return CreateCursor(GetModuleHandleW(nullptr), 0, 0, w, h, andMask.data(), xorMask.data());
}

void showCursor(DragCursor c) {
  static HCURSOR drag = makeDragCursor();
  switch (c) {
    case DragCursor::Accept: SetCursor(drag); break;
    case DragCursor::Refuse: SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_NO))); break;
    case DragCursor::Normal: SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW))); break;
  }
}

int itemAt(HWND hwnd, POINT client) {
  const ControlPeer* peer = PeerOfWindow(hwnd);
  return peer ? peer->itemAt(client) : -1;
}

// The control of the same window as `from` under screen point pt, and the entry there.
struct Spot {
  Control* control = nullptr;
  int item = -1;
};
Spot spotAt(HWND from, POINT pt) {
  HWND h = WindowFromPoint(pt);
  while (h && !ControlOfWindow(h) && GetAncestor(h, GA_ROOT) != h) h = GetParent(h);
  if (!h || !ControlOfWindow(h) || GetAncestor(h, GA_ROOT) != GetAncestor(from, GA_ROOT)) return {};
  POINT client = pt;
  ScreenToClient(h, &client);
  return {ControlOfWindow(h), itemAt(h, client)};
}

POINT screenPoint(HWND hwnd, LPARAM lp) {
  POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  ClientToScreen(hwnd, &pt);
  return pt;
}

LRESULT CALLBACK mouseProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  auto& backend = *reinterpret_cast<Win32Backend*>(ref);
  DragTracker& drag = backend.drag();
  static LPARAM pressedAt = 0;
  Control* self = ControlOfWindow(hwnd);
  switch (msg) {
    case WM_LBUTTONDOWN: {
      if (!self || (wp & (MK_SHIFT | MK_CONTROL))) break;
      const POINT pt = screenPoint(hwnd, lp);
      if (!drag.press(*self, {pt.x, pt.y}, itemAt(hwnd, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}))) break;
      // The list does not see the press yet: it would start selecting with the mouse.
      pressedAt = lp;
      SetFocus(hwnd);
      SetCapture(hwnd);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (!drag.pressed() || GetCapture() != hwnd) break;
      {
        const POINT pt = screenPoint(hwnd, lp);
        const Spot spot = spotAt(hwnd, pt);
        showCursor(drag.move({pt.x, pt.y}, spot.control, spot.item));
      }
      return 0;
    case WM_LBUTTONUP:
      if (!drag.pressed() || GetCapture() != hwnd) break;
      {
        const POINT pt = screenPoint(hwnd, lp);
        const Spot spot = spotAt(hwnd, pt);
        const bool dragged = drag.release({pt.x, pt.y}, spot.control, spot.item);
        ReleaseCapture();
        showCursor(DragCursor::Normal);
        // A press that never moved away is a click on the entry, which the list now gets.
        if (!dragged) {
          DefSubclassProc(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, pressedAt);
          DefSubclassProc(hwnd, WM_LBUTTONUP, 0, lp);
        }
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (drag.pressed()) {
        drag.cancel();
        showCursor(DragCursor::Normal);
      }
      break;
    case WM_RBUTTONUP:
      if (self && self->onRightButtonUp) {
        self->onRightButtonUp();
        return 0;
      }
      break;
    case WM_CONTEXTMENU:
      // An edit control would show its own menu; the control's menu is the form's to show.
      if (self && self->popupMenu) return SendMessageW(GetParent(hwnd), msg, wp, lp);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, mouseProc, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void watchMouse(Win32Backend& backend, HWND hwnd) {
  SetWindowSubclass(hwnd, mouseProc, 0, reinterpret_cast<DWORD_PTR>(&backend));
}

bool cancelDrag(Win32Backend& backend) {
  if (!backend.drag().pressed()) return false;
  backend.drag().cancel();
  ReleaseCapture();
  showCursor(DragCursor::Normal);
  return true;
}

}  // namespace ui::win32

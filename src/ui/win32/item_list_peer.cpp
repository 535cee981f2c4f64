#include "ui/win32/item_list_peer.h"

#include "ui/win32/wide.h"

namespace ui::win32 {

void ItemListPeer::update(unsigned what) {
  if (what & kChangeItems) applyItems();
  if (what & (kChangeSelection | kChangeItems)) applySelection();
}

void ItemListPeer::applyItems() {
  SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
  SendMessageW(hwnd(), m_.reset, 0, 0);
  for (auto& s : list_.items()) SendMessageW(hwnd(), m_.add, 0, reinterpret_cast<LPARAM>(widen(s).c_str()));
  SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

// Single entries change without rebuilding the list, so a long list stays quick to edit.
void ItemListPeer::itemInserted(int index) {
  writeWindow([&] {
    SendMessageW(hwnd(), m_.insert, index, reinterpret_cast<LPARAM>(widen(list_.item(index)).c_str()));
    applySelection();
  });
}

void ItemListPeer::itemDeleted(int index) {
  writeWindow([&] {
    SendMessageW(hwnd(), m_.remove, index, 0);
    applySelection();
  });
}

}  // namespace ui::win32

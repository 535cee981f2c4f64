#pragma once
// The report-style list view: columns, rows, selection, and its notifications.
#include <windows.h>

#include "ui/list_view.h"

namespace ui::win32 {

class Win32Backend;

void applyListViewColumns(Win32Backend& backend, HWND hwnd, const ListView& list);
void applyListViewRows(HWND hwnd, const ListView& list);
void applyListViewSelection(HWND hwnd, const ListView& list);
// Column clicks, the user's row choice and the row fonts; false when not the list's.
bool listViewNotify(Win32Backend& backend, ListView& list, bool peerWriting, NMHDR* hdr, LRESULT& result);

}  // namespace ui::win32

#pragma once
// Files "dropped" on a window of another process, as the shell would deliver them.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Builds the DROPFILES block inside the target process (a handle from this process would mean
// nothing there) and posts WM_DROPFILES with it. False if the block could not be placed.
bool DropFiles(HWND target, HANDLE process, const std::vector<std::wstring>& paths);

}  // namespace e2e

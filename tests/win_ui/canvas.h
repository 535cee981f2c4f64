#pragma once
// A bitmap in a memory device context, for a window to paint into and the test to read back.
#include <windows.h>

namespace wintest {

struct Canvas {
  Canvas(int width, int height) {
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bmp = CreateCompatibleBitmap(screen, width, height);
    old = SelectObject(dc, bmp);
    ReleaseDC(nullptr, screen);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc;
  HBITMAP bmp;
  HGDIOBJ old;
};

}  // namespace wintest

#include "ui/win32/pictures.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui::win32 {

namespace {

constexpr int kSize = 32;

// Rows of the picture above the bin's body; '.' is see-through.
const char* const kEmptyTop[] = {
    "................................", "................................",
    "................................", "................................",
    "................................", "..............KKKK..............",
    ".............K....K.............", "......KKKKKKKKKKKKKKKKKKKK......",
    ".....KLLLLLLLLLLLLLLLLLLLLK.....", ".....KGGGGGGGGGGGGGGGGGGGGK.....",
};
const char* const kFullTop[] = {
    "........................KKKK....", "......................KKLLLLK...",
    "....................KKLLLLLLLK..", "..................KKLLLLLLLKK...",
    "..........KKKKK..KGGGGGGKKK.....", "........KKWWWWWKKKKKKKKK........",
    ".......KWWBBBWWWWK.KKKKKK.......", "......KWWWWWWWBBWWKKWWWWWK......",
    ".....KWBBBWWWWWWWWWWBBBWWK......", ".....KWWWWWWBBBBWWWWWWWWWWK.....",
};
// The body: its rim, ribbed sides repeated down, the foot, then empty rows.
const char kRim[] = "......KKKKKKKKKKKKKKKKKKKK......";
const char kRib[] = ".......KLGGGKGGGGKGGGGKGGK......";
const char kBase[] = "........KLGGGGGGGGGGGGGGK.......";
const char kFoot[] = "........KKKKKKKKKKKKKKKKK.......";
constexpr int kRibs = 16;

std::uint32_t colourOf(char c) {  // 0xAARRGGBB
  switch (c) {
    case 'K': return 0xFF000000u;
    case 'L': return 0xFFDCDCDCu;
    case 'G': return 0xFF969696u;
    case 'W': return 0xFFFFFFFFu;
    case 'B': return 0xFF466EC8u;
    default: return 0;
  }
}

HICON makeIcon(const char* const* top, int topRows) {
  std::vector<std::string> rows(top, top + topRows);
  rows.push_back(kRim);
  rows.insert(rows.end(), kRibs, kRib);
  rows.push_back(kBase);
  rows.push_back(kFoot);
  rows.resize(kSize, std::string(kSize, '.'));

  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = kSize;
  bi.bmiHeader.biHeight = -kSize;  // top row first
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP colour = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  // The mask: a set bit lets the background show; rows are padded to 16 bits.
  constexpr int stride = kSize / 8;
  std::vector<unsigned char> mask(stride * kSize, 0xFF);
  auto* px = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      const std::uint32_t c = colourOf(rows[y][x]);
      px[y * kSize + x] = c;
      if (c) mask[y * stride + x / 8] &= static_cast<unsigned char>(~(0x80 >> (x % 8)));
    }
  HBITMAP maskBits = CreateBitmap(kSize, kSize, 1, 1, mask.data());
  ICONINFO info{TRUE, 0, 0, maskBits, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(maskBits);
  DeleteObject(colour);
  return icon;
}

}  // namespace

HICON TrashPicture(bool full) {
  static const HICON empty = makeIcon(kEmptyTop, 10);
  static const HICON heaped = makeIcon(kFullTop, 10);
  return full ? heaped : empty;
}

void DrawDrivePicture(HDC dc, ItemPicture picture, int x, int y, int u) {
  auto box = [&](int l, int t, int r, int b, COLORREF fill, bool round = false) {
    HBRUSH brush = CreateSolidBrush(fill);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    if (round)
      Ellipse(dc, x + l * u, y + t * u, x + r * u, y + b * u);
    else
      Rectangle(dc, x + l * u, y + t * u, x + r * u, y + b * u);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(brush);
  };
  const COLORREF grey = RGB(192, 192, 192), dark = RGB(64, 64, 64), white = RGB(255, 255, 255);
  switch (picture) {
    case ItemPicture::FixedDrive:
      box(1, 5, 15, 12, grey);
      box(11, 8, 14, 10, RGB(0, 192, 0));
      break;
    case ItemPicture::RemovableDrive:  // a floppy disk: label on top, shutter below
      box(2, 1, 15, 15, RGB(32, 64, 160));
      box(4, 1, 13, 7, white);
      box(6, 10, 11, 15, grey);
      break;
    case ItemPicture::RemoteDrive:  // a drive on a cable
      box(1, 2, 15, 9, grey);
      box(11, 5, 14, 7, RGB(0, 192, 0));
      box(7, 9, 9, 13, dark);
      box(2, 13, 14, 15, dark);
      break;
    case ItemPicture::CdDrive:
      box(1, 1, 15, 15, RGB(216, 216, 232), true);
      box(6, 6, 10, 10, white, true);
      break;
    case ItemPicture::RamDrive:  // a memory chip with its legs
      for (int leg = 3; leg <= 12; leg += 3) box(leg, 10, leg + 1, 14, dark);
      box(1, 4, 15, 11, RGB(0, 128, 64));
      break;
    case ItemPicture::None:
      break;
  }
}

}  // namespace ui::win32

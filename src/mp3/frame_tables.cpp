#include "mp3/frame_tables.h"

namespace zelcor::mp3 {
namespace {

const int kLong44[23] = {0, 4, 8, 12, 16, 20, 24, 30, 36, 44, 52, 62,
                         74, 90, 110, 134, 162, 196, 238, 288, 342, 418, 576};
const int kLong48[23] = {0, 4, 8, 12, 16, 20, 24, 30, 36, 42, 50, 60,
                         72, 88, 106, 128, 156, 190, 230, 276, 330, 384, 576};
const int kLong32[23] = {0, 4, 8, 12, 16, 20, 24, 30, 36, 44, 54, 66,
                         82, 102, 126, 156, 194, 240, 296, 364, 448, 550, 576};
const int kShort44[14] = {0, 4, 8, 12, 16, 22, 30, 40, 52, 66, 84, 106, 136, 192};
const int kShort48[14] = {0, 4, 8, 12, 16, 22, 28, 38, 50, 64, 80, 100, 126, 192};
const int kShort32[14] = {0, 4, 8, 12, 16, 22, 30, 42, 58, 78, 104, 138, 180, 192};

const int kLong22[23] = {0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96,
                         116, 140, 168, 200, 238, 284, 336, 396, 464, 522, 576};
const int kLong24[23] = {0, 6, 12, 18, 24, 30, 36, 44, 54, 66, 80, 96,
                         114, 136, 162, 194, 232, 278, 332, 394, 464, 540, 576};
const int kShort22[14] = {0, 4, 8, 12, 18, 24, 32, 42, 56, 74, 100, 132, 174, 192};
const int kShort24[14] = {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 136, 180, 192};
const int kShort16[14] = {0, 4, 8, 12, 18, 26, 36, 48, 62, 80, 104, 134, 174, 192};

const int kMpeg1Rates[14] = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
const int kMpeg2Rates[14] = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

}  // namespace

const int kPretab[22] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 3, 3, 3, 2, 0};

bool LayoutForRate(int sample_rate, StreamLayout* layout) {
  struct Entry { int rate; bool mpeg1; int index; const int* l; const int* s; };
  static const Entry entries[] = {
      {44100, true, 0, kLong44, kShort44}, {48000, true, 1, kLong48, kShort48},
      {32000, true, 2, kLong32, kShort32}, {22050, false, 0, kLong22, kShort22},
      {24000, false, 1, kLong24, kShort24}, {16000, false, 2, kLong22, kShort16},
  };
  for (const Entry& e : entries) {
    if (e.rate != sample_rate) continue;
    layout->mpeg1 = e.mpeg1;
    layout->sample_rate = e.rate;
    layout->rate_index = e.index;
    layout->granules = e.mpeg1 ? 2 : 1;
    layout->long_bands = e.l;
    layout->short_bands = e.s;
    return true;
  }
  return false;
}

const int* BitrateTable(bool mpeg1) { return mpeg1 ? kMpeg1Rates : kMpeg2Rates; }

int BitrateIndex(bool mpeg1, int kbps) {
  const int* table = BitrateTable(mpeg1);
  for (int i = 0; i < 14; ++i)
    if (table[i] == kbps) return i + 1;
  return -1;
}

}  // namespace zelcor::mp3

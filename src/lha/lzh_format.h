#pragma once

// Constants shared by the -lh4-..-lh7-/-lhx- decoder and encoder.
namespace lha::lzh {

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 256;
constexpr int kNumC = 256 + kMaxMatch - kMinMatch + 1;  // literals and lengths: 510
constexpr int kCBits = 9;                                // width of the c-table count
constexpr int kNumT = 19;                                // symbols coding the c lengths
constexpr int kTBits = 5;
constexpr int kTSpecial = 3;  // after this many t lengths comes a 2-bit run of zeros
constexpr int kMaxNumP = 20;  // position symbols for the largest dictionary (-lhx-)

// -lh4- streams carry the position table of -lh5-, as the archivers wrote them.
inline int numP(int dictBits) { return dictBits <= 13 ? 14 : dictBits + 1; }
inline int pBits(int dictBits) { return dictBits <= 13 ? 4 : 5; }

}  // namespace lha::lzh

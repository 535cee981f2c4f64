#include "mp3/bitstream.h"

#include <algorithm>
#include <stdexcept>

namespace zelcor::mp3 {
namespace {

void WriteGranuleSide(BitWriter& out, bool mpeg1, const GranuleChannel& g) {
  out.Put(g.Part23Bits(), 12);
  out.Put(g.huffman.big_values, 9);
  out.Put(g.global_gain, 8);
  out.Put(g.scalefac_compress, mpeg1 ? 4 : 9);
  const bool window_switching = g.block_type != kNormalBlock;
  out.Put(window_switching, 1);
  if (window_switching) {
    out.Put(g.block_type, 2);
    out.Put(0, 1);  // no mixed blocks
    out.Put(g.huffman.table_select[0], 5);
    out.Put(g.huffman.table_select[1], 5);
    for (int w = 0; w < 3; ++w) out.Put(0, 3);  // subblock gains
  } else {
    for (int r = 0; r < 3; ++r) out.Put(g.huffman.table_select[r], 5);
    out.Put(g.huffman.region0_count, 4);
    out.Put(g.huffman.region1_count, 3);
  }
  if (mpeg1) out.Put(0, 1);  // preflag
  out.Put(g.scalefac_scale, 1);
  out.Put(g.huffman.count1_table, 1);
}

}  // namespace

int SideInfoBytes(bool mpeg1, int channels) {
  if (mpeg1) return channels == 1 ? 17 : 32;
  return channels == 1 ? 9 : 17;
}

void WriteHeaderAndSideInfo(BitWriter& out, const FrameHeader& h, int channels,
                            int main_data_begin, const GranuleChannel* const gr[2][2]) {
  out.Put(0x7FF, 11);
  out.Put(h.mpeg1 ? 3 : 2, 2);
  out.Put(1, 2);  // Layer III
  out.Put(1, 1);  // no CRC
  out.Put(h.bitrate_index, 4);
  out.Put(h.rate_index, 2);
  out.Put(h.padding, 1);
  out.Put(0, 1);
  out.Put(static_cast<int>(h.mode), 2);
  out.Put(h.mid_side ? 2 : 0, 2);
  out.Put(0, 1);  // not copyrighted
  out.Put(1, 1);  // original
  out.Put(0, 2);  // no emphasis
  if (h.mpeg1) {
    out.Put(main_data_begin, 9);
    out.Put(0, channels == 1 ? 5 : 3);
    for (int ch = 0; ch < channels; ++ch) out.Put(0, 4);  // no scale factor sharing
    for (int g = 0; g < 2; ++g)
      for (int ch = 0; ch < channels; ++ch) WriteGranuleSide(out, true, *gr[g][ch]);
  } else {
    out.Put(main_data_begin, 8);
    out.Put(0, channels == 1 ? 1 : 2);
    for (int ch = 0; ch < channels; ++ch) WriteGranuleSide(out, false, *gr[0][ch]);
  }
}

int MainDataStream::ReservoirBytes() const {
  return static_cast<int>(std::min<int64_t>(slot_total_ - write_pos_, max_reservoir_));
}

void MainDataStream::AddFrame(const std::vector<uint8_t>& head, int frame_bytes,
                              const std::vector<uint8_t>& main_data) {
  const int begin = ReservoirBytes();
  const int slot = frame_bytes - static_cast<int>(head.size());
  Pending frame{head, slot_total_, static_cast<int>(head.size())};
  frame.bytes.resize(frame_bytes, 0);
  pending_.push_back(std::move(frame));
  write_pos_ = slot_total_ - begin;  // anything skipped stays zero (stuffing)
  slot_total_ += slot;
  if (write_pos_ + static_cast<int64_t>(main_data.size()) > slot_total_)
    throw std::logic_error("main data exceeds the frame and its reservoir");
  size_t i = 0;
  for (Pending& p : pending_) {
    const int64_t p_slot = static_cast<int64_t>(p.bytes.size()) - p.head_size;
    while (i < main_data.size() && write_pos_ < p.slot_start + p_slot) {
      if (write_pos_ >= p.slot_start) p.bytes[p.head_size + (write_pos_ - p.slot_start)] = main_data[i++];
      else break;
      ++write_pos_;
    }
  }
  Flush(false);
}

void MainDataStream::Flush(bool all) {
  while (!pending_.empty()) {
    const Pending& p = pending_.front();
    const int64_t slot_end = p.slot_start + static_cast<int64_t>(p.bytes.size()) - p.head_size;
    // Frames whose space lies wholly behind the reservoir window can no longer change.
    if (!all && slot_end > slot_total_ - max_reservoir_ && slot_end > write_pos_) break;
    sink_(p.bytes.data(), p.bytes.size());
    pending_.pop_front();
  }
}

void MainDataStream::Finish() { Flush(true); }

}  // namespace zelcor::mp3

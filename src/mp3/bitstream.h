// Frame header and side information writing, and the main data stream with its
// bit reservoir: a frame's main data may begin in the unused tail of earlier
// frames (main_data_begin bytes back).
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "mp3/bit_writer.h"
#include "mp3/granule.h"

namespace zelcor::mp3 {

enum class ChannelMode { kStereo = 0, kJointStereo = 1, kMono = 3 };

struct FrameHeader {
  bool mpeg1 = true;
  int bitrate_index = 0;
  int rate_index = 0;
  bool padding = false;
  ChannelMode mode = ChannelMode::kStereo;
  bool mid_side = false;
};

int SideInfoBytes(bool mpeg1, int channels);

// Header and side information of one frame; gr[g][ch] for g < granules.
void WriteHeaderAndSideInfo(BitWriter& out, const FrameHeader& header, int channels,
                            int main_data_begin, const GranuleChannel* const gr[2][2]);

using ByteSink = std::function<void(const uint8_t* data, size_t size)>;

class MainDataStream {
 public:
  // `max_reservoir` bytes: the most main_data_begin may reach.
  MainDataStream(int max_reservoir, ByteSink sink) : max_reservoir_(max_reservoir), sink_(std::move(sink)) {}
  // Bytes of earlier frames the next frame's main data may use.
  int ReservoirBytes() const;
  // Appends a frame of `frame_bytes` whose header and side information are
  // `head`; its main data must fit ReservoirBytes() + the frame's own space.
  void AddFrame(const std::vector<uint8_t>& head, int frame_bytes, const std::vector<uint8_t>& main_data);
  // Writes out every frame still held back.
  void Finish();

 private:
  struct Pending {
    std::vector<uint8_t> bytes;
    int64_t slot_start;  // position of its main data space in the slot stream
    int head_size;
  };
  void Flush(bool all);

  int max_reservoir_;
  ByteSink sink_;
  std::deque<Pending> pending_;
  int64_t slot_total_ = 0;  // main data space of all frames so far
  int64_t write_pos_ = 0;   // where the next main data byte goes
};

}  // namespace zelcor::mp3

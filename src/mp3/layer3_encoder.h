// MPEG-1/2 Layer III encoder over planar float PCM (full scale = 1.0).
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mp3/bitstream.h"
#include "mp3/filterbank.h"
#include "mp3/psy_model.h"

namespace zelcor::mp3 {

struct EncoderConfig {
  int sample_rate = 44100;  // 32000/44100/48000 (MPEG-1) or 16000/22050/24000 (LSF)
  int channels = 2;
  ChannelMode mode = ChannelMode::kJointStereo;  // kMono iff channels == 1
  int kbps = 128;
};

// Empty when the configuration can be encoded, else the reason.
std::string CheckConfig(const EncoderConfig& config);

class Layer3Encoder {
 public:
  // Decoded output lags the input by this many samples (filter bank and MDCT overlap).
  static constexpr int kDelaySamples = 1057;

  Layer3Encoder(const EncoderConfig& config, ByteSink sink);
  ~Layer3Encoder();

  // pcm[ch][i] for i < frames.
  void Encode(const float* const* pcm, size_t frames);
  // Pads with silence until the decoded output covers every input sample plus
  // the delay, then writes the remaining frames.
  void Finish();

  int64_t FramesWritten() const { return frames_written_; }
  // Nominal frame size without padding (the block size of the WAVE header).
  int NominalFrameBytes() const;
  static int NominalFrameBytesOf(const EncoderConfig& config);
  // Bytes of the whole stream for `samples` input samples, known before encoding so
  // that a file's header can be written ahead of its frames.
  static int64_t StreamBytes(const EncoderConfig& config, int64_t samples);

 private:
  struct Channel;
  // What one frame's steps hand each other.
  struct FrameWork {
    int frame_bytes = 0, reservoir_bytes = 0, mean_bits = 0;
    bool mid_side = false;
    BandLayout bands[2];
    float allowed[2][2][39];
    double pe[2][2] = {{0, 0}, {0, 0}};
  };
  void ConsumePending();
  void ProcessGranule();
  void EncodeBlock(const std::array<BlockType, 2>& types);
  void EncodeFrame();
  void Analyze(FrameWork* w);
  bool ChooseMidSide(FrameWork* w);
  void QuantizeFrame(FrameWork* w);
  static void LimitPreEcho(const BandLayout& bands, float* allowed, float* last_allowed);
  void WriteFrame(const FrameWork& w);
  int NextFrameBytes();

  EncoderConfig config_;
  StreamLayout layout_;
  int bitrate_index_ = 0;
  int max_reservoir_bits_ = 0;
  MainDataStream stream_;
  MaskingModel masking_;
  std::vector<std::unique_ptr<Channel>> channels_;
  bool want_short_[4] = {};  // [1] block g-1, [2] block g, [3] block g+1
  BlockType last_type_ = kNormalBlock;
  int lowpass_line_ = 576;     // first long-block line removed
  size_t pending_pos_ = 0;     // first unconsumed sample of each channel's input
  int64_t input_samples_ = 0;  // samples fed by the caller
  int64_t granules_in_ = 0;    // granules of subband samples produced
  int64_t blocks_out_ = 0;     // MDCT blocks encoded
  int frame_granule_ = 0;      // granules collected for the current frame
  int64_t frames_written_ = 0;
};

}  // namespace zelcor::mp3

#include "mp3/layer3_encoder.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstring>
#include <stdexcept>

#include "mp3/mdct.h"
#include "mp3/rate_loop.h"
#include "mp3/scalefactors.h"

namespace zelcor::mp3 {
namespace {

constexpr int kGranule = 576;
constexpr int kMaxPart23Bits = 4095;

// Bandwidth kept per channel's share of the bit rate: above it the few bits
// available would buy only audible noise.
int LowpassHz(int kbps, int channels) {
  static const int kTable[][2] = {{8, 2800},   {12, 4000},  {16, 5500},  {20, 7000},
                                  {24, 8000},  {28, 9500},  {32, 11000}, {40, 13500},
                                  {48, 15000}, {56, 15600}, {64, 17000}, {80, 17500},
                                  {96, 18600}, {112, 19400}, {128, 19700}};
  const int per_channel = kbps / channels;
  for (const auto& row : kTable)
    if (per_channel <= row[0]) return row[1];
  return 20500;
}

BlockType NextBlockType(BlockType last, bool want_this, bool want_next) {
  if (want_this || last == kStartBlock) return kShortBlock;
  if (last == kShortBlock) return want_next ? kShortBlock : kStopBlock;
  return want_next ? kStartBlock : kNormalBlock;
}

}  // namespace

std::string CheckConfig(const EncoderConfig& c) {
  StreamLayout layout;
  if (!LayoutForRate(c.sample_rate, &layout))
    return "unsupported sample rate " + std::to_string(c.sample_rate) +
           " (32000, 44100, 48000, 16000, 22050 or 24000)";
  if (c.channels != 1 && c.channels != 2) return "channels must be 1 or 2";
  if ((c.channels == 1) != (c.mode == ChannelMode::kMono)) return "mono mode needs exactly one channel";
  if (BitrateIndex(layout.mpeg1, c.kbps) < 0)
    return "bit rate " + std::to_string(c.kbps) + " kbit/s not allowed at " +
           std::to_string(c.sample_rate) + " Hz";
  return {};
}

struct Layer3Encoder::Channel {
  AnalysisFilterbank filterbank;
  AttackDetector attacks;
  std::vector<float> pending;
  float sb_older[32][18] = {};  // granule g-2
  float sb_prev[32][18] = {};   // granule g-1
  float sb_cur[32][18] = {};    // granule g
  float xr[2][kGranule] = {};   // spectra of the frame's granules, coding order
  BlockType type[2] = {kNormalBlock, kNormalBlock};
  GranuleChannel coded[2];
};

Layer3Encoder::Layer3Encoder(const EncoderConfig& config, ByteSink sink)
    : config_(config),
      stream_(0, nullptr),
      masking_([&] {
        StreamLayout l;
        if (!CheckConfig(config).empty() || !LayoutForRate(config.sample_rate, &l))
          throw std::invalid_argument(CheckConfig(config));
        return l;
      }()) {
  LayoutForRate(config.sample_rate, &layout_);
  bitrate_index_ = BitrateIndex(layout_.mpeg1, config.kbps);
  // The decoder's input buffer holds 7680 bits: a frame plus what it borrows.
  const int reservoir = std::clamp(960 - NominalFrameBytes(), 0, layout_.mpeg1 ? 511 : 255);
  stream_ = MainDataStream(reservoir, std::move(sink));
  max_reservoir_bits_ = reservoir * 8;
  for (int ch = 0; ch < config.channels; ++ch) channels_.push_back(std::make_unique<Channel>());
  const int cutoff = std::min(LowpassHz(config.kbps, config.channels), config.sample_rate * 48 / 100);
  lowpass_line_ = std::min(576, static_cast<int>(cutoff * 1152.0 / config.sample_rate));
}

Layer3Encoder::~Layer3Encoder() = default;

int Layer3Encoder::NominalFrameBytes() const {
  const int64_t coef = layout_.mpeg1 ? 144000 : 72000;
  return static_cast<int>(coef * config_.kbps / config_.sample_rate);
}

int Layer3Encoder::NextFrameBytes() {
  const int64_t coef = (layout_.mpeg1 ? 144000 : 72000) * static_cast<int64_t>(config_.kbps);
  const int64_t before = frames_written_ * coef / config_.sample_rate;
  const int64_t after = (frames_written_ + 1) * coef / config_.sample_rate;
  return static_cast<int>(after - before);
}

void Layer3Encoder::Encode(const float* const* pcm, size_t frames) {
  for (size_t ch = 0; ch < channels_.size(); ++ch)
    channels_[ch]->pending.insert(channels_[ch]->pending.end(), pcm[ch], pcm[ch] + frames);
  input_samples_ += static_cast<int64_t>(frames);
  ConsumePending();
}

void Layer3Encoder::ConsumePending() {
  while (channels_[0]->pending.size() - pending_pos_ >= kGranule) {
    ProcessGranule();
    pending_pos_ += kGranule;
  }
  // Drop what was consumed in one go rather than per granule.
  for (auto& c : channels_) c->pending.erase(c->pending.begin(), c->pending.begin() + pending_pos_);
  pending_pos_ = 0;
}

void Layer3Encoder::Finish() {
  const int64_t needed = (input_samples_ + kDelaySamples + kGranule - 1) / kGranule;
  const int64_t blocks = (needed + layout_.granules - 1) / layout_.granules * layout_.granules;
  const std::vector<float> silence(kGranule, 0.0f);
  while (blocks_out_ < blocks) {
    for (auto& c : channels_) c->pending.insert(c->pending.end(), silence.begin(), silence.end());
    ConsumePending();
  }
  stream_.Finish();
}

void Layer3Encoder::ProcessGranule() {
  bool want_this = false, want_next = false;
  for (auto& c : channels_) {
    std::memcpy(c->sb_older, c->sb_prev, sizeof c->sb_prev);
    std::memcpy(c->sb_prev, c->sb_cur, sizeof c->sb_cur);
    float out[32];
    for (int t = 0; t < 18; ++t) {
      c->filterbank.Process(&c->pending[pending_pos_ + t * 32], out);
      for (int sb = 0; sb < 32; ++sb) c->sb_cur[sb][t] = out[sb];
    }
    const int attack = c->attacks.Feed(c->sb_cur);
    if (attack == 0) want_this = true;
    if (attack == 1) want_next = true;
  }
  // Wishes for the block of this granule (g) and the next one (g + 1).
  want_short_[2] = want_short_[2] || want_this;
  want_short_[3] = want_short_[3] || want_next;
  ++granules_in_;
  if (granules_in_ >= 2) {
    // Block g-1 (granules g-2 and g-1) is final now that block g's wish is known.
    const BlockType type = NextBlockType(last_type_, want_short_[1], want_short_[2]);
    last_type_ = type;
    EncodeBlock({type, type});
  }
  want_short_[0] = want_short_[1];
  want_short_[1] = want_short_[2];
  want_short_[2] = want_short_[3];
  want_short_[3] = false;
}

void Layer3Encoder::EncodeBlock(const std::array<BlockType, 2>& types) {
  for (size_t ch = 0; ch < channels_.size(); ++ch) {
    Channel& c = *channels_[ch];
    const BlockType type = types[ch];
    float spectrum[kGranule];
    MdctGranule(c.sb_older, c.sb_prev, type, spectrum);
    float* xr = c.xr[frame_granule_];
    if (type == kShortBlock) {
      const int cut = lowpass_line_ / 3;
      for (int w = 0; w < 3; ++w)
        for (int f = cut; f < 192; ++f) spectrum[w * 192 + f] = 0;
      ReorderShort(layout_, spectrum, xr);
    } else {
      for (int i = 0; i < kGranule; ++i) xr[i] = i < lowpass_line_ ? spectrum[i] : 0.0f;
    }
    c.type[frame_granule_] = type;
  }
  ++blocks_out_;
  if (++frame_granule_ == layout_.granules) {
    EncodeFrame();
    frame_granule_ = 0;
  }
}

void Layer3Encoder::EncodeFrame() {
  const int nch = static_cast<int>(channels_.size());
  const int ngr = layout_.granules;
  const int frame_bytes = NextFrameBytes();
  const int slot_bytes = frame_bytes - 4 - SideInfoBytes(layout_.mpeg1, nch);
  const int reservoir_bytes = stream_.ReservoirBytes();
  const int mean_bits = slot_bytes * 8 / ngr;

  float allowed[2][2][39];
  double pe[2][2] = {{0, 0}, {0, 0}};
  BandLayout bands[2];
  for (int gr = 0; gr < ngr; ++gr) bands[gr] = MakeBandLayout(layout_, channels_[0]->type[gr]);
  auto analyze = [&] {
    for (int gr = 0; gr < ngr; ++gr)
      for (int ch = 0; ch < nch; ++ch)
        pe[gr][ch] = masking_.Analyze(channels_[ch]->xr[gr], bands[gr], allowed[gr][ch]);
  };
  analyze();

  bool mid_side = false;
  if (config_.mode == ChannelMode::kJointStereo) {
    const double pe_lr = pe[0][0] + pe[0][1] + pe[1][0] + pe[1][1];
    const float k = static_cast<float>((1.0 / std::numbers::sqrt2));
    for (int gr = 0; gr < ngr; ++gr) {
      float* l = channels_[0]->xr[gr];
      float* r = channels_[1]->xr[gr];
      for (int i = 0; i < kGranule; ++i) {
        const float m = (l[i] + r[i]) * k, s = (l[i] - r[i]) * k;
        l[i] = m;
        r[i] = s;
      }
    }
    analyze();
    const double pe_ms = pe[0][0] + pe[0][1] + pe[1][0] + pe[1][1];
    mid_side = pe_ms < pe_lr;
    if (!mid_side) {
      for (int gr = 0; gr < ngr; ++gr) {
        float* m = channels_[0]->xr[gr];
        float* s = channels_[1]->xr[gr];
        for (int i = 0; i < kGranule; ++i) {
          const float l = (m[i] + s[i]) * k, r = (m[i] - s[i]) * k;
          m[i] = l;
          s[i] = r;
        }
      }
      analyze();
    }
  }

  int reservoir_bits = reservoir_bytes * 8;
  for (int gr = 0; gr < ngr; ++gr) {
    const bool is_short = bands[gr].is_short;
    const double pe_total = pe[gr][0] + (nch > 1 ? pe[gr][1] : 0);
    // Granules that need more than their share draw on the reservoir.
    const double draw = is_short ? 0.6 : pe_total > mean_bits ? 0.4 : 0.1;
    const int gr_budget = mean_bits + static_cast<int>(reservoir_bits * draw);
    // Bits the reservoir could not keep would be wasted as stuffing: spend them.
    const int must_use = std::max(0, reservoir_bits + mean_bits - max_reservoir_bits_);
    int used = 0;
    for (int ch = 0; ch < nch; ++ch) {
      Channel& c = *channels_[ch];
      int budget = gr_budget - used;
      int floor = must_use - used;
      if (ch == 0 && nch == 2) {
        const double share = pe_total > 0 ? std::clamp(pe[gr][0] / pe_total, 0.15, 0.85) : 0.5;
        budget = static_cast<int>(gr_budget * share);
        floor = static_cast<int>(must_use * share);
      }
      RateLoopInput in;
      in.xr = c.xr[gr];
      in.allowed = allowed[gr][ch];
      in.bands = &bands[gr];
      in.split = MakeRegionSplit(layout_, c.type[gr]);
      in.mpeg1 = layout_.mpeg1;
      in.max_bits = std::min(kMaxPart23Bits, budget);
      in.min_bits = std::min(in.max_bits, floor);
      c.coded[gr].block_type = c.type[gr];
      QuantizeGranule(in, &c.coded[gr]);
      used += c.coded[gr].Part23Bits();
    }
    reservoir_bits += mean_bits - used;
  }

  BitWriter main_data;
  for (int gr = 0; gr < ngr; ++gr) {
    for (int ch = 0; ch < nch; ++ch) {
      const GranuleChannel& g = channels_[ch]->coded[gr];
      WriteScalefactors(main_data, layout_.mpeg1, bands[gr], g);
      WriteHuffman(main_data, g.ix, g.negative, g.huffman, MakeRegionSplit(layout_, g.block_type));
    }
  }

  FrameHeader header;
  header.mpeg1 = layout_.mpeg1;
  header.bitrate_index = bitrate_index_;
  header.rate_index = layout_.rate_index;
  header.padding = frame_bytes > NominalFrameBytes();
  header.mode = config_.mode;
  header.mid_side = mid_side;
  const GranuleChannel* side[2][2] = {{nullptr, nullptr}, {nullptr, nullptr}};
  for (int gr = 0; gr < ngr; ++gr)
    for (int ch = 0; ch < nch; ++ch) side[gr][ch] = &channels_[ch]->coded[gr];
  BitWriter head;
  WriteHeaderAndSideInfo(head, header, nch, reservoir_bytes, side);
  stream_.AddFrame(head.Bytes(), frame_bytes, main_data.Bytes());
  ++frames_written_;
}

}  // namespace zelcor::mp3

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
// A long block spreads its noise over 1152 samples, also before a note that
// starts within it: its allowed noise may rise at most this much over the
// previous granule's, so that a soft onset is not preceded by audible noise.
constexpr float kPreEchoRise = 2.0f;

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
  float last_allowed[22];       // masking estimate of the latest long block
  BlockType type[2] = {kNormalBlock, kNormalBlock};
  GranuleChannel coded[2];
};

namespace {

StreamLayout ValidatedLayout(const EncoderConfig& config) {
  StreamLayout layout;
  if (const std::string e = CheckConfig(config); !e.empty()) throw std::invalid_argument(e);
  LayoutForRate(config.sample_rate, &layout);
  return layout;
}

void ToMidSide(float* l, float* r) {
  const float k = static_cast<float>(1.0 / std::numbers::sqrt2);
  for (int i = 0; i < kGranule; ++i) {
    const float m = (l[i] + r[i]) * k, s = (l[i] - r[i]) * k;
    l[i] = m;
    r[i] = s;
  }
}

}  // namespace

Layer3Encoder::Layer3Encoder(const EncoderConfig& config, ByteSink sink)
    : config_(config), layout_(ValidatedLayout(config)), stream_(0, nullptr), masking_(layout_) {
  bitrate_index_ = BitrateIndex(layout_.mpeg1, config.kbps);
  // The decoder's input buffer holds 7680 bits: a frame plus what it borrows.
  const int reservoir = std::clamp(960 - NominalFrameBytes(), 0, layout_.mpeg1 ? 511 : 255);
  stream_ = MainDataStream(reservoir, std::move(sink));
  max_reservoir_bits_ = reservoir * 8;
  for (int ch = 0; ch < config.channels; ++ch) {
    channels_.push_back(std::make_unique<Channel>());
    std::fill(std::begin(channels_.back()->last_allowed), std::end(channels_.back()->last_allowed), 1e30f);
  }
  const int cutoff = std::min(LowpassHz(config.kbps, config.channels), config.sample_rate * 48 / 100);
  lowpass_line_ = std::min(576, static_cast<int>(cutoff * 1152.0 / config.sample_rate));
}

Layer3Encoder::~Layer3Encoder() = default;

int Layer3Encoder::NominalFrameBytes() const { return NominalFrameBytesOf(config_); }

int Layer3Encoder::NominalFrameBytesOf(const EncoderConfig& config) {
  const int64_t coef = config.sample_rate >= 32000 ? 144000 : 72000;  // MPEG-1 frames are twice as long
  return static_cast<int>(coef * config.kbps / config.sample_rate);
}

namespace {

// Frame sizes vary by the padding slot; the first `frames` frames take this many bytes.
int64_t BytesOfFrames(const StreamLayout& layout, const EncoderConfig& config, int64_t frames) {
  return frames * (layout.mpeg1 ? 144000 : 72000) * config.kbps / config.sample_rate;
}

// Granules of input the stream covers: every sample plus the delay, in whole frames.
int64_t BlocksFor(const StreamLayout& layout, int64_t samples) {
  const int64_t needed = (samples + Layer3Encoder::kDelaySamples + kGranule - 1) / kGranule;
  return (needed + layout.granules - 1) / layout.granules * layout.granules;
}

}  // namespace

int64_t Layer3Encoder::StreamBytes(const EncoderConfig& config, int64_t samples) {
  const StreamLayout layout = ValidatedLayout(config);
  return BytesOfFrames(layout, config, BlocksFor(layout, samples) / layout.granules);
}

int Layer3Encoder::NextFrameBytes() {
  return static_cast<int>(BytesOfFrames(layout_, config_, frames_written_ + 1) -
                          BytesOfFrames(layout_, config_, frames_written_));
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
  const int64_t blocks = BlocksFor(layout_, input_samples_);
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
  FrameWork w;
  w.frame_bytes = NextFrameBytes();
  w.reservoir_bytes = stream_.ReservoirBytes();
  const int slot_bytes = w.frame_bytes - 4 - SideInfoBytes(layout_.mpeg1, static_cast<int>(channels_.size()));
  w.mean_bits = slot_bytes * 8 / layout_.granules;
  for (int gr = 0; gr < layout_.granules; ++gr) w.bands[gr] = MakeBandLayout(layout_, channels_[0]->type[gr]);
  Analyze(&w);
  w.mid_side = config_.mode == ChannelMode::kJointStereo && ChooseMidSide(&w);
  QuantizeFrame(&w);
  WriteFrame(w);
  ++frames_written_;
}

void Layer3Encoder::Analyze(FrameWork* w) {
  for (int gr = 0; gr < layout_.granules; ++gr)
    for (size_t ch = 0; ch < channels_.size(); ++ch)
      w->pe[gr][ch] = masking_.Analyze(channels_[ch]->xr[gr], w->bands[gr], w->allowed[gr][ch]);
}

// Mid/side when it lowers the estimated bit demand; the spectra and masks are
// left in the chosen representation.
bool Layer3Encoder::ChooseMidSide(FrameWork* w) {
  const auto total_pe = [&] {
    double pe = 0;
    for (int gr = 0; gr < layout_.granules; ++gr) pe += w->pe[gr][0] + w->pe[gr][1];
    return pe;
  };
  const double pe_lr = total_pe();
  const FrameWork left_right = *w;
  for (int gr = 0; gr < layout_.granules; ++gr) ToMidSide(channels_[0]->xr[gr], channels_[1]->xr[gr]);
  Analyze(w);
  if (total_pe() < pe_lr) return true;
  // The same butterfly turns mid/side back into left/right.
  for (int gr = 0; gr < layout_.granules; ++gr) ToMidSide(channels_[0]->xr[gr], channels_[1]->xr[gr]);
  *w = left_right;
  return false;
}

void Layer3Encoder::LimitPreEcho(const BandLayout& bands, float* allowed, float* last_allowed) {
  if (bands.is_short) {
    // Short blocks keep their noise near the attack; start afresh after them.
    std::fill(last_allowed, last_allowed + 22, 1e30f);
    return;
  }
  for (int b = 0; b < 22; ++b) {
    const float estimate = allowed[b];
    allowed[b] = std::min(estimate, kPreEchoRise * last_allowed[b]);
    last_allowed[b] = estimate;
  }
}

void Layer3Encoder::QuantizeFrame(FrameWork* w) {
  const int nch = static_cast<int>(channels_.size());
  int reservoir_bits = w->reservoir_bytes * 8;
  for (int gr = 0; gr < layout_.granules; ++gr) {
    const double pe_total = w->pe[gr][0] + (nch > 1 ? w->pe[gr][1] : 0);
    // Granules that need more than their share draw on the reservoir.
    const double draw = w->bands[gr].is_short ? 0.6 : pe_total > w->mean_bits ? 0.4 : 0.1;
    const int gr_budget = w->mean_bits + static_cast<int>(reservoir_bits * draw);
    // Bits the reservoir could not keep would be wasted as stuffing: spend them.
    const int must_use = std::max(0, reservoir_bits + w->mean_bits - max_reservoir_bits_);
    int used = 0;
    for (int ch = 0; ch < nch; ++ch) {
      Channel& c = *channels_[ch];
      LimitPreEcho(w->bands[gr], w->allowed[gr][ch], c.last_allowed);
      int budget = gr_budget - used;
      int floor = must_use - used;
      if (ch == 0 && nch == 2) {
        const double share = pe_total > 0 ? std::clamp(w->pe[gr][0] / pe_total, 0.15, 0.85) : 0.5;
        budget = static_cast<int>(gr_budget * share);
        floor = static_cast<int>(must_use * share);
      }
      RateLoopInput in;
      in.xr = c.xr[gr];
      in.allowed = w->allowed[gr][ch];
      in.bands = &w->bands[gr];
      in.split = MakeRegionSplit(layout_, c.type[gr]);
      in.mpeg1 = layout_.mpeg1;
      in.max_bits = std::min(kMaxPart23Bits, budget);
      in.min_bits = std::min(in.max_bits, floor);
      c.coded[gr].block_type = c.type[gr];
      QuantizeGranule(in, &c.coded[gr]);
      used += c.coded[gr].Part23Bits();
    }
    reservoir_bits += w->mean_bits - used;
  }
}

void Layer3Encoder::WriteFrame(const FrameWork& w) {
  const int nch = static_cast<int>(channels_.size());
  BitWriter main_data;
  const GranuleChannel* side[2][2] = {{nullptr, nullptr}, {nullptr, nullptr}};
  for (int gr = 0; gr < layout_.granules; ++gr) {
    for (int ch = 0; ch < nch; ++ch) {
      const GranuleChannel& g = channels_[ch]->coded[gr];
      WriteScalefactors(main_data, layout_.mpeg1, w.bands[gr], g);
      WriteHuffman(main_data, g.ix, g.negative, g.huffman, MakeRegionSplit(layout_, g.block_type));
      side[gr][ch] = &g;
    }
  }
  FrameHeader header;
  header.mpeg1 = layout_.mpeg1;
  header.bitrate_index = bitrate_index_;
  header.rate_index = layout_.rate_index;
  header.padding = w.frame_bytes > NominalFrameBytes();
  header.mode = config_.mode;
  header.mid_side = w.mid_side;
  BitWriter head;
  WriteHeaderAndSideInfo(head, header, nch, w.reservoir_bytes, side);
  stream_.AddFrame(head.Bytes(), w.frame_bytes, main_data.Bytes());
}

}  // namespace zelcor::mp3

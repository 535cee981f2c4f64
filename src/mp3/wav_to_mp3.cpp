#include "mp3/wav_to_mp3.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "mp3/resampler.h"

namespace zelcor::mp3 {
namespace {

// Source frames read, resampled and encoded at a time.
constexpr size_t kBlockFrames = 8192;

void PutId(std::vector<uint8_t>& v, const char* id) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(id[i]));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}

// Everything before the frames: the sizes are known from the sample count alone.
std::vector<uint8_t> FileHeader(const TargetFormat& format, int64_t samples, uint64_t data_bytes) {
  const std::vector<uint8_t> fmt =
      MakeLayer3Format(format, Layer3Encoder::NominalFrameBytesOf(format.ToConfig()), Layer3Encoder::kDelaySamples);
  std::vector<uint8_t> v;
  PutId(v, "RIFF");
  Put32(v, static_cast<uint32_t>(4 + 8 + fmt.size() + 12 + 8 + data_bytes + (data_bytes & 1)));
  PutId(v, "WAVE");
  PutId(v, "fmt ");
  Put32(v, static_cast<uint32_t>(fmt.size()));
  v.insert(v.end(), fmt.begin(), fmt.end());
  PutId(v, "fact");
  Put32(v, 4);
  Put32(v, static_cast<uint32_t>(samples));
  PutId(v, "data");
  Put32(v, static_cast<uint32_t>(data_bytes));
  return v;
}

// Source channels to the target's count, then to its rate; the planes come back emptied.
class AudioAdapter {
 public:
  AudioAdapter(const WavLayout& source, const TargetFormat& target)
      : source_channels_(source.channels), target_channels_(target.channels),
        resampler_{StreamResampler(source.sample_rate, target.sample_rate),
                   StreamResampler(source.sample_rate, target.sample_rate)} {}

  void Push(std::vector<float>* planes) {
    if (target_channels_ == 1 && source_channels_ == 2)
      for (size_t i = 0; i < planes[0].size(); ++i) planes[0][i] = 0.5f * (planes[0][i] + planes[1][i]);
    // A mono source is resampled once and doubled: both copies would come out the same.
    const int resampled = std::min(source_channels_, target_channels_);
    for (int ch = 0; ch < resampled; ++ch) {
      resampler_[ch].Push(planes[ch].data(), planes[ch].size(), &out_[ch]);
      planes[ch].clear();
    }
    if (source_channels_ == 2) planes[1].clear();
    Spread();
  }
  void Finish() {
    for (int ch = 0; ch < std::min(source_channels_, target_channels_); ++ch) resampler_[ch].Finish(&out_[ch]);
    Spread();
  }
  // The adapted samples not yet taken: out()[ch] for ch < target channels.
  std::vector<float>* out() { return out_; }

 private:
  void Spread() {
    if (target_channels_ == 2 && source_channels_ == 1) out_[1] = out_[0];
  }
  int source_channels_, target_channels_;
  StreamResampler resampler_[2];
  std::vector<float> out_[2];
};

constexpr char kWriteError[] = "the output could not be written";

}  // namespace

std::string EncodeWavStream(const ByteReader& read, uint64_t size, const TargetFormat& format,
                            const ByteWriter& write, const Progress& progress) {
  const EncoderConfig config = format.ToConfig();
  if (std::string e = CheckConfig(config); !e.empty()) return e;
  WavLayout wav;
  if (std::string e = ReadWavHeader(read, size, &wav); !e.empty()) return e;
  const int64_t samples =
      StreamResampler::OutputCount(static_cast<int64_t>(wav.frames), wav.sample_rate, format.sample_rate);
  const uint64_t data_bytes = static_cast<uint64_t>(Layer3Encoder::StreamBytes(config, samples));
  if (data_bytes + 80 > 0xFFFFFFFFu || samples > 0xFFFFFFFF)
    return "the MP3 file would exceed what a WAVE file can hold";
  const std::vector<uint8_t> header = FileHeader(format, samples, data_bytes);
  if (!write(header.data(), header.size())) return kWriteError;

  bool written = true;
  uint64_t frame_bytes = 0;
  Layer3Encoder encoder(config, [&](const uint8_t* d, size_t n) {
    written = written && write(d, n);
    frame_bytes += n;
  });
  AudioAdapter adapter(wav, format);
  auto encode = [&] {
    std::vector<float>* planes = adapter.out();
    const float* p[2] = {planes[0].data(), format.channels > 1 ? planes[1].data() : nullptr};
    encoder.Encode(p, planes[0].size());
    for (int ch = 0; ch < format.channels; ++ch) planes[ch].clear();
  };
  std::vector<uint8_t> pcm(kBlockFrames * wav.FrameBytes());
  std::vector<float> planes[2];
  for (uint64_t done = 0; done < wav.frames;) {
    const size_t frames = static_cast<size_t>(std::min<uint64_t>(kBlockFrames, wav.frames - done));
    const size_t bytes = frames * wav.FrameBytes();
    if (ReadFully(read, pcm.data(), bytes) != bytes) return "the file could not be read to its end";
    DecodeFrames(wav, pcm.data(), frames, planes);
    adapter.Push(planes);
    encode();
    if (!written) return kWriteError;
    done += frames;
    if (progress && !progress(static_cast<int>(done * 1000 / wav.frames))) return kStopped;
  }
  adapter.Finish();
  encode();
  encoder.Finish();
  // The header went out first: a stream of another length would make a damaged file.
  if (frame_bytes != data_bytes)
    return "the encoder wrote " + std::to_string(frame_bytes) + " bytes, not " + std::to_string(data_bytes);
  const uint8_t pad = 0;
  if ((data_bytes & 1) && written) written = write(&pad, 1);
  return written ? std::string() : kWriteError;
}

std::string EncodeWavImage(const uint8_t* wav, size_t size, const TargetFormat& format, std::vector<uint8_t>* out,
                           const Progress& progress) {
  out->clear();
  const std::string error = EncodeWavStream(
      MemoryReader(wav, size), size, format,
      [out](const uint8_t* d, size_t n) {
        out->insert(out->end(), d, d + n);
        return true;
      },
      progress);
  if (!error.empty()) out->clear();
  return error;
}

ConversionResult ConvertWavFile(const std::string& source_path, const std::string& output_path,
                                const TargetFormat& format) {
  ConversionResult result;
  std::error_code ec;
  const uintmax_t size = std::filesystem::file_size(source_path, ec);
  const std::unique_ptr<FILE, int (*)(FILE*)> in(ec ? nullptr : std::fopen(source_path.c_str(), "rb"), std::fclose);
  if (!in) {
    result.error = "cannot read " + source_path;
    return result;
  }
  result.source_bytes = size;
  FILE* out = std::fopen(output_path.c_str(), "wb");
  if (!out) {
    result.error = "cannot write " + output_path;
    return result;
  }
  const ByteReader read = [&](uint8_t* buffer, size_t bytes) -> long long {
    const size_t n = std::fread(buffer, 1, bytes, in.get());
    return n == 0 && std::ferror(in.get()) ? -1 : static_cast<long long>(n);
  };
  const ByteWriter write = [&](const uint8_t* data, size_t bytes) {
    result.output_bytes += bytes;
    return std::fwrite(data, 1, bytes, out) == bytes;
  };
  const std::string error = EncodeWavStream(read, size, format, write);
  const bool closed = std::fclose(out) == 0;
  if (!error.empty() || !closed) {
    std::remove(output_path.c_str());
    result.error = error.empty() ? "cannot write " + output_path : source_path + ": " + error;
    result.output_bytes = 0;
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace zelcor::mp3

#include "mp3/wav_to_mp3.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "mp3/resampler.h"
#include "mp3/wav_reader.h"

namespace zelcor::mp3 {
namespace {

void PutId(std::vector<uint8_t>& v, const char* id) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(id[i]));
}
void PutBytes(std::vector<uint8_t>& v, const std::vector<uint8_t>& bytes) {
  const size_t at = v.size();
  v.resize(at + bytes.size());
  if (!bytes.empty()) std::memcpy(v.data() + at, bytes.data(), bytes.size());
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
void Patch32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

// Channel count and rate of the target, in that order.
std::vector<std::vector<float>> AdaptAudio(const PcmAudio& pcm, const TargetFormat& f) {
  std::vector<std::vector<float>> ch;
  if (f.channels == 1 && pcm.channels == 2) {
    ch.emplace_back(pcm.Frames());
    for (size_t i = 0; i < pcm.Frames(); ++i) ch[0][i] = 0.5f * (pcm.samples[0][i] + pcm.samples[1][i]);
  } else if (f.channels == 2 && pcm.channels == 1) {
    ch = {pcm.samples[0], pcm.samples[0]};
  } else {
    ch = pcm.samples;
  }
  for (auto& c : ch) c = Resample(c, pcm.sample_rate, f.sample_rate);
  return ch;
}

}  // namespace

FileAccess StdioFileAccess() {
  FileAccess files;
  files.read = [](const std::string& path, std::vector<uint8_t>* bytes) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes->clear();
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes->insert(bytes->end(), buf, buf + n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
  };
  files.write = [](const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
  };
  return files;
}

std::string EncodeWavImage(const uint8_t* wav, size_t size, const TargetFormat& format, std::vector<uint8_t>* out,
                           const Progress& progress) {
  if (std::string e = CheckConfig(format.ToConfig()); !e.empty()) return e;
  PcmAudio pcm;
  if (std::string e = ParseWav(wav, size, &pcm); !e.empty()) return e;
  const std::vector<std::vector<float>> audio = AdaptAudio(pcm, format);

  std::vector<uint8_t> frames;
  Layer3Encoder encoder(format.ToConfig(), [&](const uint8_t* d, size_t n) { frames.insert(frames.end(), d, d + n); });
  // Blocks of about a second, so that a stop request is heard within a file.
  const size_t total = audio[0].size(), block = 1152 * 40;
  for (size_t at = 0; at < total; at += block) {
    const float* planes[2] = {audio[0].data() + at, audio.size() > 1 ? audio[1].data() + at : nullptr};
    encoder.Encode(planes, std::min(block, total - at));
    if (progress && !progress(static_cast<int>((at + std::min(block, total - at)) * 1000 / total))) return kStopped;
  }
  encoder.Finish();

  const std::vector<uint8_t> fmt =
      MakeLayer3Format(format, encoder.NominalFrameBytes(), Layer3Encoder::kDelaySamples);
  std::vector<uint8_t>& v = *out;
  v.clear();
  PutId(v, "RIFF");
  Put32(v, 0);
  PutId(v, "WAVE");
  PutId(v, "fmt ");
  Put32(v, static_cast<uint32_t>(fmt.size()));
  PutBytes(v, fmt);
  PutId(v, "fact");
  Put32(v, 4);
  Put32(v, static_cast<uint32_t>(audio[0].size()));
  PutId(v, "data");
  Put32(v, static_cast<uint32_t>(frames.size()));
  PutBytes(v, frames);
  if (frames.size() & 1) v.push_back(0);
  Patch32(v, 4, static_cast<uint32_t>(v.size() - 8));
  return {};
}

ConversionResult ConvertWavFile(const std::string& source_path, const std::string& output_path,
                                const TargetFormat& format, const FileAccess& files) {
  ConversionResult result;
  std::vector<uint8_t> wav, out;
  if (!files.read(source_path, &wav)) {
    result.error = "cannot read " + source_path;
    return result;
  }
  result.source_bytes = wav.size();
  if (std::string e = EncodeWavImage(wav, format, &out); !e.empty()) {
    result.error = source_path + ": " + e;
    return result;
  }
  if (!files.write(output_path, out)) {
    result.error = "cannot write " + output_path;
    return result;
  }
  result.output_bytes = out.size();
  result.ok = true;
  return result;
}

}  // namespace zelcor::mp3

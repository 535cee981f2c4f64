#include "tools/mp3_formats.h"

#include "mp3/layer3_encoder.h"

namespace tools {

using platform::Hive;
using zelcor::mp3::TargetFormat;

bool WriteFormat(platform::Registry& reg, const std::string& name, const TargetFormat& format) {
  using zelcor::mp3::Layer3Encoder;
  return reg.writeBinary(Hive::CurrentUser, kWaveFormatsKey, name,
                         zelcor::mp3::MakeLayer3Format(format, Layer3Encoder::NominalFrameBytesOf(format.ToConfig()),
                                                       Layer3Encoder::kDelaySamples));
}

std::optional<TargetFormat> ReadFormat(platform::Registry& reg, const std::string& name) {
  auto blob = reg.readBinary(Hive::CurrentUser, kWaveFormatsKey, name, kFormatValueLimit);
  TargetFormat format;
  if (!blob || !zelcor::mp3::ParseTargetFormat(blob->data(), blob->size(), &format).empty()) return std::nullopt;
  return format;
}

std::vector<std::string> FormatNames(platform::Registry& reg) { return reg.valueNames(Hive::CurrentUser, kWaveFormatsKey); }

std::string DefaultFormatName(platform::Registry& reg) {
  return reg.readString(Hive::CurrentUser, kAudioKey, "DefaultFormat").value_or("");
}

bool SetDefaultFormat(platform::Registry& reg, const std::string& name) {
  return reg.writeString(Hive::CurrentUser, kAudioKey, "DefaultFormat", name);
}

bool EnsureZumikFormat(platform::Registry& reg, const std::string& settingsKey) {
  const bool recorded = reg.readString(Hive::CurrentUser, settingsKey, kZumikFormat).value_or("") == kZumikFormat;
  auto blob = reg.readBinary(Hive::CurrentUser, kWaveFormatsKey, kZumikFormat, kFormatValueLimit);
  if (recorded && blob && !blob->empty()) return false;
  if (!WriteFormat(reg, kZumikFormat, zelcor::mp3::DefaultTargetFormat())) return true;
  if (DefaultFormatName(reg).empty()) SetDefaultFormat(reg, kZumikFormat);
  reg.writeString(Hive::CurrentUser, settingsKey, kZumikFormat, kZumikFormat);
  return true;
}

}  // namespace tools

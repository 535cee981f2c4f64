#pragma once
// The named conversion formats: binary wave-format values (MPEG Layer-3 tag) under the
// current user's "WaveFormats" key, and "DefaultFormat" naming the one in use.
#include <optional>
#include <string>
#include <vector>

#include "mp3/target_format.h"
#include "platform/registry.h"

namespace tools {

inline constexpr char kWaveFormatsKey[] = "Software\\Microsoft\\Multimedia\\Audio\\WaveFormats";
inline constexpr char kAudioKey[] = "Software\\Microsoft\\Multimedia\\Audio";
inline constexpr char kZumikFormat[] = "MP3_ZUMIK";
inline constexpr std::size_t kFormatValueLimit = 500;

// At start: when "MP3_ZUMIK" is missing under "WaveFormats" or not recorded in the program
// key, writes it (44,100 Hz, joint stereo, 128 kbit/s), makes it the default when none is
// set and records it. True when it had been missing.
bool EnsureZumikFormat(platform::Registry& reg, const std::string& settingsKey);

bool WriteFormat(platform::Registry& reg, const std::string& name, const zelcor::mp3::TargetFormat& format);
std::optional<zelcor::mp3::TargetFormat> ReadFormat(platform::Registry& reg, const std::string& name);
std::vector<std::string> FormatNames(platform::Registry& reg);
std::string DefaultFormatName(platform::Registry& reg);
bool SetDefaultFormat(platform::Registry& reg, const std::string& name);

}  // namespace tools

#include "playback/msf.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace playback {

namespace {

long Field(const std::string& text) {
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
    if (value > 100000) return 0;
  }
  return value;
}

}  // namespace

long MsfFrames(const std::string& msf) {
  std::vector<std::string> parts{""};
  for (char c : msf) {
    if (c == ':') parts.emplace_back();
    else if (c != ' ') parts.back() += c;
  }
  while (parts.size() < 3) parts.insert(parts.begin(), "0");
  const std::size_t n = parts.size();
  return (Field(parts[n - 3]) * 60 + Field(parts[n - 2])) * kFramesPerSecond + Field(parts[n - 1]);
}

std::string MsfText(long frames) {
  frames = std::max(0L, frames);
  char text[72];
  std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld", frames / (60 * kFramesPerSecond),
                frames / kFramesPerSecond % 60, frames % kFramesPerSecond);
  return text;
}

std::string MsfAdd(const std::string& a, const std::string& b) { return MsfText(MsfFrames(a) + MsfFrames(b)); }
std::string MsfSub(const std::string& a, const std::string& b) { return MsfText(MsfFrames(a) - MsfFrames(b)); }
bool MsfBefore(const std::string& a, const std::string& b) { return MsfFrames(a) < MsfFrames(b); }

std::string MsfClamp(const std::string& value, const std::string& low, const std::string& high) {
  return MsfText(std::clamp(MsfFrames(value), MsfFrames(low), std::max(MsfFrames(low), MsfFrames(high))));
}

}  // namespace playback

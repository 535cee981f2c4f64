#include "playback/progress_watch.h"

#include <algorithm>

namespace playback {

void ProgressWatch::Start(std::uint64_t now, std::int32_t fromMs, std::int32_t lengthMs) {
  watching_ = true;
  lengthMs_ = lengthMs;
  lastPosition_ = fromMs;
  lastMoveAt_ = now;
}

bool ProgressWatch::GivesUp(std::uint64_t now, std::optional<std::int32_t> positionMs) {
  if (!watching_) return false;
  if (!positionMs) {
    const std::int32_t left = std::max(0, lengthMs_ - lastPosition_);
    return now - lastMoveAt_ >= static_cast<std::uint64_t>(left) + kEndGraceMs;
  }
  if (*positionMs != lastPosition_) {
    lastPosition_ = *positionMs;
    lastMoveAt_ = now;
    return false;
  }
  return now - lastMoveAt_ >= kStallMs;
}

}  // namespace playback

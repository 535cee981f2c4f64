#pragma once
// Watches a playing tune for a device that never finishes it. A device that accepted "play"
// but never moves (no output device, a broken driver) sends no completion and would hold an
// unattended run for ever; a position that stands still while playing is such a device. A
// position that cannot be read is no evidence either way: such a tune is given its known
// length plus a grace period from where it started.
#include <cstdint>
#include <optional>

namespace playback {

class ProgressWatch {
 public:
  // A position standing still this long while playing gives the tune up.
  static constexpr std::uint64_t kStallMs = 5000;
  // How long past its known end a tune whose position cannot be read may still run.
  static constexpr std::uint64_t kEndGraceMs = 5000;

  // The tune plays from fromMs of lengthMs, as of now.
  void Start(std::uint64_t now, std::int32_t fromMs, std::int32_t lengthMs);
  // Paused or stopped for a seek: time standing still is expected until the next Start.
  void Hold() { watching_ = false; }
  // One position reading (none: the query failed); true when the tune is to be given up.
  bool GivesUp(std::uint64_t now, std::optional<std::int32_t> positionMs);

 private:
  bool watching_ = false;
  std::int32_t lengthMs_ = 0;
  std::int32_t lastPosition_ = 0;
  std::uint64_t lastMoveAt_ = 0;
};

}  // namespace playback

#pragma once
// A model of MCI's cdaudio device on the virtual clock: drives with or without a disc, a
// disc of tracks with their positions and lengths in frames, its identity, the msf and tmsf
// time formats. It answers only the exact command strings the player is meant to send (any
// letter case, with " wait", " notify" or nothing after them) and refuses every other, so a
// wrong command string fails a test.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/mci.h"
#include "ui/headless_loop.h"

namespace fakes {

class FakeCdAudio {
 public:
  struct Track {
    long start = 0;   // disc position in frames
    long length = 0;  // as the device reports it (may run past the next start)
  };
  struct Disc {
    std::string identity = "123456789";  // decimal, as "info identity" replies
    std::vector<Track> tracks;
    long length = -1;  // frames from track 1's start to the lead-out; -1: to the end of the last track
    bool ready = true;
    bool media = true;
    bool audio = true;  // false: a data disc, whose head stays at the lead-out
  };
  static constexpr unsigned long kRefused = 261;

  explicit FakeCdAudio(ui::HeadlessLoop& loop) : loop_(loop) {}
  ~FakeCdAudio();

  // A CD drive (its letter) with this disc; a drive without a disc is Disc{} with ready and
  // media off.
  void insert(char drive, Disc disc) { drives_[drive] = std::move(disc); }
  static Disc Empty() { return Disc{{}, {}, -1, false, false, true}; }
  // A command (as sent, suffix included) the device fails from now on.
  void refuse(const std::string& command) { refused_.insert(command); }
  // No drives and nothing refused (the devices must be closed).
  void clear() {
    drives_.clear();
    refused_.clear();
  }

  // True when the command is for this device ("open cdaudio!…" or an alias it opened).
  bool owns(const std::string& command) const;
  platform::MciReply send(const std::string& command);
  bool isOpen(const std::string& alias) const;
  // Where completions go (1 successful, 2 superseded, 4 aborted).
  std::function<void(unsigned)> post;
  std::vector<std::string> played;  // "X: from N" or "X: resume", per accepted play

 private:
  struct Device {
    char drive = 0;
    bool tmsf = false;
    bool playing = false;
    long basePos = 0;
    std::uint64_t startedAt = 0;
    bool notifyPending = false;
    int endTimer = 0;
  };
  Disc& disc(const Device& d) { return drives_[d.drive]; }
  long leadOut(const Disc& disc) const;
  long position(const Device& d) const;
  int trackAt(const Disc& disc, long pos) const;
  std::string timeText(const Device& d, long pos) const;
  platform::MciReply status(Device& d, const std::string& item);
  platform::MciReply play(const std::string& alias, Device& d, long from, bool notify);
  void halt(Device& d, unsigned pendingFlag);

  ui::HeadlessLoop& loop_;
  std::map<char, Disc> drives_;
  std::map<std::string, Device> devices_;  // upper-cased alias
  std::set<std::string> refused_;
};

}  // namespace fakes

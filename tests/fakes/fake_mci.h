#pragma once
// A small model of an MCI device on the virtual clock: devices opened by alias, lengths per
// file, playback that advances with the loop's time, and completion notifications (1
// successful, 2 superseded, 4 aborted, 8 failure) posted to the main window through the loop.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "fakes/fake_cd.h"
#include "platform/mci.h"
#include "ui/headless_loop.h"

namespace fakes {

class FakeMci : public platform::Mci {
 public:
  // How a file behaves once opened.
  enum class Behaviour {
    Plays,        // plays to its end in real (virtual) time
    Stalls,       // opens and accepts "play" but never advances (a device with no output)
    RefusesOpen,  // the device cannot open it (a corrupt file)
    RefusesPlay,  // opens, but "play" fails
    Breaks,       // plays half of its length, then reports a failure (flag 8)
    Unpositioned,        // plays to its end, but every position query fails
    StallsUnpositioned,  // never advances and every position query fails
  };
  // MCI error codes the model answers with.
  static constexpr unsigned long kUnknownAlias = 263;
  static constexpr unsigned long kFileNotFound = 275;
  static constexpr unsigned long kUnrecognised = 261;
  static constexpr unsigned long kDuplicateAlias = 289;
  static constexpr unsigned long kCannotPlay = 266;

  explicit FakeMci(ui::HeadlessLoop& loop) : cd(loop), loop_(loop) {
    cd.post = [this](unsigned flags) { post(flags); };
  }
  ~FakeMci() override;

  // A file the device knows; any other path fails to open.
  void addTune(const std::string& path, int lengthMs, Behaviour b = Behaviour::Plays, int channels = 2);

  // The main window's MM_MCINOTIFY handler; the flags arrive through the loop.
  std::function<void(unsigned flags)> notifyWindow;

  platform::MciReply send(const std::string& command) override;
  void setNotifyTarget(std::uintptr_t, std::function<void(unsigned)> deliver) override { notifyWindow = std::move(deliver); }

  // The CD drives: commands for cdaudio go to this model.
  FakeCdAudio cd;
  std::vector<std::string> commands;  // every command, as sent
  std::vector<std::string> played;    // the path of every accepted "play", in order
  std::vector<unsigned> notified;     // every flag posted, in order
  bool isOpen(const std::string& alias) const;
  int openCount() const { return static_cast<int>(devices_.size()); }
  // Position of an open device right now (ms), or -1.
  int positionOf(const std::string& alias) const;

 private:
  struct Tune {
    int lengthMs = 0;
    Behaviour behaviour = Behaviour::Plays;
    int channels = 2;
  };
  struct Device {
    std::string path;
    Tune tune;
    bool playing = false;
    int basePos = 0;             // position when playing started or stopped
    std::uint64_t startedAt = 0;  // loop time when playing started
    bool notifyPending = false;
    int endTimer = 0;
  };
  platform::MciReply open(const std::vector<std::string>& words);
  platform::MciReply status(Device& d, const std::string& item);
  platform::MciReply play(Device& d, bool notify);
  void halt(Device& d, unsigned pendingFlag);
  void finish(const std::string& alias);
  int position(const Device& d) const;
  void post(unsigned flags);

  ui::HeadlessLoop& loop_;
  std::map<std::string, Tune> tunes_;      // upper-cased path
  std::map<std::string, Device> devices_;  // upper-cased alias
};

}  // namespace fakes

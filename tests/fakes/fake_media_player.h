#pragma once
// A model of the media player component on the virtual clock: files by path with their
// duration and behaviour, a position that moves with the loop's time while playing, and the
// end-of-media and error events posted through the loop as the real component's arrive.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/media_player.h"
#include "ui/headless_loop.h"

namespace fakes {

class FakeMediaPlayer : public platform::MediaPlayer {
 public:
  enum class Behaviour {
    Plays,         // plays to its end and reports state 8
    RefusesPlay,   // play() fails (a missing or unreadable file)
    ErrorOnLoad,   // accepted, but an error event follows the load
    ErrorWhilePlaying,  // an error event half-way through
    Stalls,        // accepts play() but its position never moves
  };
  explicit FakeMediaPlayer(ui::HeadlessLoop& loop) : loop_(loop) {}

  void addFile(const std::string& path, double seconds, Behaviour b = Behaviour::Plays);

  bool clearPlaylist() override;
  bool appendToPlaylist(const std::string& path) override;
  bool play() override;
  bool stop() override;
  bool pause() override;
  std::optional<double> duration() override;
  std::optional<double> currentPosition() override;
  bool setCurrentPosition(double seconds) override;
  int errorCount() override { return errors_; }
  void clearErrorQueue() override { errors_ = 0; }

  std::vector<std::string> started;  // path of every play() that began playing (the load's too)
  std::vector<std::string> ended;    // path of every media that played to its end
  std::vector<std::string> calls;     // every operation, by name
  bool playing() const { return playing_; }

 private:
  struct File {
    double seconds = 0;
    Behaviour behaviour = Behaviour::Plays;
  };
  double now() const { return static_cast<double>(loop_.nowMs()) / 1000.0; }
  void scheduleEvents();
  void halt();
  void raiseError();
  void postState(long state);

  ui::HeadlessLoop& loop_;
  std::map<std::string, File> files_;
  std::string current_;
  bool loaded_ = false, playing_ = false;
  double basePos_ = 0, startedAt_ = 0;
  int errors_ = 0;
  int eventTimer_ = 0;
  int generation_ = 0;  // events of an earlier play are dropped
};

}  // namespace fakes

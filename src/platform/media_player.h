#pragma once
// A media player component used headless: one file in its playlist, started, polled for its
// position, stopped. Times are in seconds. A call that fails returns false or nothing; the
// component's own events arrive later, through the window's message loop.
#include <functional>
#include <optional>
#include <string>

namespace platform {

class MediaPlayer {
 public:
  // Play state reported when the media has played to its end.
  static constexpr long kMediaEnded = 8;

  virtual ~MediaPlayer() = default;

  virtual bool clearPlaylist() = 0;
  // Adds the file to the media collection and appends it to the current playlist.
  virtual bool appendToPlaylist(const std::string& path) = 0;
  virtual bool play() = 0;
  virtual bool stop() = 0;
  virtual bool pause() = 0;
  // Duration of the current media.
  virtual std::optional<double> duration() = 0;
  virtual std::optional<double> currentPosition() = 0;
  virtual bool setCurrentPosition(double seconds) = 0;
  virtual int errorCount() = 0;
  virtual void clearErrorQueue() = 0;

  // Events: the new play state, and a change of the error queue.
  std::function<void(long state)> onPlayStateChange;
  std::function<void()> onError;
};

}  // namespace platform

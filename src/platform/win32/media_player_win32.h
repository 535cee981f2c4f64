#pragma once
// The media player component on Windows: the Windows Media Player object created without a
// window in this (single-threaded) apartment; its events arrive through the message loop.
#include <memory>

#include "platform/media_player.h"

namespace platform::win32 {

class Win32MediaPlayer : public MediaPlayer {
 public:
  // The component, or nothing when it cannot be created here.
  static std::unique_ptr<Win32MediaPlayer> Create();
  ~Win32MediaPlayer() override;

  bool clearPlaylist() override;
  bool appendToPlaylist(const std::string& path) override;
  bool play() override;
  bool stop() override;
  bool pause() override;
  std::optional<double> duration() override;
  std::optional<double> currentPosition() override;
  bool setCurrentPosition(double seconds) override;
  int errorCount() override;
  void clearErrorQueue() override;

  struct Impl;

 private:
  explicit Win32MediaPlayer(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform::win32

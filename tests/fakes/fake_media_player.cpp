#include "fakes/fake_media_player.h"

#include <algorithm>

namespace fakes {

void FakeMediaPlayer::addFile(const std::string& path, double seconds, Behaviour b) { files_[path] = {seconds, b}; }

bool FakeMediaPlayer::clearPlaylist() {
  calls.push_back("clear");
  halt();
  basePos_ = 0;
  current_.clear();
  loaded_ = false;
  return true;
}

bool FakeMediaPlayer::appendToPlaylist(const std::string& path) {
  calls.push_back("append");
  current_ = path;
  loaded_ = true;
  return true;
}

bool FakeMediaPlayer::play() {
  calls.push_back("play");
  auto it = files_.find(current_);
  if (!loaded_ || it == files_.end() || it->second.behaviour == Behaviour::RefusesPlay) return false;
  if (it->second.behaviour == Behaviour::ErrorOnLoad) {
    loop_.post([this] { raiseError(); });
    return true;
  }
  if (playing_) return true;
  playing_ = true;
  startedAt_ = now();
  started.push_back(current_);
  scheduleEvents();
  return true;
}

void FakeMediaPlayer::scheduleEvents() {
  const File& f = files_[current_];
  if (f.behaviour == Behaviour::Stalls) return;
  const bool error = f.behaviour == Behaviour::ErrorWhilePlaying;
  const double left = (error ? f.seconds / 2 : f.seconds) - basePos_;
  const int g = ++generation_;
  eventTimer_ = loop_.startTimer(static_cast<unsigned>(std::max(0.0, left) * 1000), [this, g, error] {
    loop_.stopTimer(eventTimer_);
    eventTimer_ = 0;
    if (g != generation_) return;
    if (error) return raiseError();
    basePos_ = files_[current_].seconds;
    playing_ = false;
    ended.push_back(current_);
    postState(kMediaEnded);
  });
}

void FakeMediaPlayer::raiseError() {
  ++errors_;
  if (onError) onError();
}

void FakeMediaPlayer::postState(long state) {
  loop_.post([this, state] { if (onPlayStateChange) onPlayStateChange(state); });
}

bool FakeMediaPlayer::stop() {
  calls.push_back("stop");
  halt();
  basePos_ = 0;
  return true;
}

bool FakeMediaPlayer::pause() {
  calls.push_back("pause");
  halt();
  return true;
}

void FakeMediaPlayer::halt() {
  ++generation_;
  if (eventTimer_) loop_.stopTimer(eventTimer_);
  eventTimer_ = 0;
  if (playing_) basePos_ = *currentPosition();
  playing_ = false;
}

std::optional<double> FakeMediaPlayer::duration() {
  auto it = files_.find(current_);
  if (!loaded_ || it == files_.end()) return std::nullopt;
  return it->second.seconds;
}

std::optional<double> FakeMediaPlayer::currentPosition() {
  if (!loaded_) return std::nullopt;
  if (!playing_ || files_[current_].behaviour == Behaviour::Stalls) return basePos_;
  return std::min(files_[current_].seconds, basePos_ + (now() - startedAt_));
}

bool FakeMediaPlayer::setCurrentPosition(double seconds) {
  calls.push_back("seek");
  const bool was = playing_;
  halt();
  basePos_ = seconds;
  if (was) {
    playing_ = true;
    startedAt_ = now();
    scheduleEvents();
  }
  return true;
}

}  // namespace fakes

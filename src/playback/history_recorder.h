#pragma once
// Records a tune that started into the history: the kept history while another memory is
// shown, the shown list when the history itself is on screen, nothing when the tune is
// being played from the shown history or the history is off.
#include <string>

namespace playback {

class Playback;

class HistoryRecorder {
 public:
  explicit HistoryRecorder(Playback& pb) : pb_(pb) {}
  // entry: the history text of the tune; fromShownList2: it was picked from ListBox2.
  void Record(const std::string& entry, bool fromShownList2);
  // The limit after which the oldest entry goes: the history length, never above 16000.
  int Limit() const;

 private:
  Playback& pb_;
};

}  // namespace playback

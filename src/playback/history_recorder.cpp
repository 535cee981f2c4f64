#include "playback/history_recorder.h"

#include <algorithm>

#include "playback/playback.h"

namespace playback {

namespace {
// No volume facility exists: every new entry gets an empty volume value.
const std::string kCurrentVolume;
}  // namespace

int HistoryRecorder::Limit() const {
  // With the history off, files handed to the player still stay within the hard cap.
  const int limit = pb_.S.settings.fileHistoryLimit;
  return limit > 0 ? std::min(limit, kHistoryHardCap) : kHistoryHardCap;
}

void HistoryRecorder::Record(const std::string& entry, bool fromShownList2) {
  if (pb_.S.settings.fileHistoryLimit <= 0) return;
  HistorySink& sink = pb_.links.history;
  const int selector = pb_.w.ComboBox1.itemIndex();
  // The history memory is in ListBox2 whenever it is the current memory, shown or not: the
  // held-aside list is overwritten from ListBox2 at the next switch and at close.
  if (pb_.S.settings.currentMemory != pb_.S.HistoryName) {
    sink.appendKept(entry, kCurrentVolume);
    while (sink.keptCount() > Limit()) sink.dropOldestKept();
  } else if (!fromShownList2) {
    sink.appendShown(entry, Limit());
    pb_.rebuildMemoryPool();
  }
  pb_.w.ComboBox1.setItemIndex(selector);
}

}  // namespace playback

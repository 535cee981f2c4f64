#include "playback/history_recorder.h"

#include <algorithm>

#include "app/Zelcoru.h"
#include "memory/memory_lists.h"
#include "base/path.h"
#include "playback/playback_state.h"
#include "playback/random_pool.h"

namespace playback {

namespace {
// No volume facility exists: every new entry gets an empty volume value.
const std::string kCurrentVolume;
}  // namespace

int HistoryRecorder::Limit() const {
  // With the history off, files handed to the player still stay within the hard cap.
  return w_.S.settings.fileHistoryLimit > 0 ? std::min(w_.S.settings.fileHistoryLimit, kHistoryHardCap) : kHistoryHardCap;
}

void HistoryRecorder::Record(const std::string& entry, bool fromShownList2) {
  if (w_.S.settings.fileHistoryLimit <= 0) return;
  const int selector = w_.ComboBox1.itemIndex();
  // The history memory is in ListBox2 whenever it is the current memory, shown or not: the
  // held-aside list is overwritten from ListBox2 at the next switch and at close.
  if (w_.S.settings.currentMemory != w_.S.HistoryName) {
    kept_->appendKept(entry, kCurrentVolume);
    while (kept_->keptCount() > Limit()) kept_->dropOldestKept();
  } else if (!fromShownList2) {
    recordIntoShownHistory(entry);
  }
  w_.ComboBox1.setItemIndex(selector);
}

void HistoryRecorder::recordIntoShownHistory(const std::string& entry) {
  w_.Memory->AppendShown({entry}, Limit());
  w_.Memory->ShowEntryCount();
  w_.Memory->RandomPool = memory::FullPool(w_.ListBox2.count());
}

}  // namespace playback

#include "playback/history_recorder.h"

#include <algorithm>

#include "app/Zelcoru.h"
#include "base/path.h"
#include "playback/playback_state.h"
#include "playback/random_pool.h"

namespace playback {

namespace {
// No volume facility exists: every new entry gets an empty volume value.
const std::string kCurrentVolume;
}  // namespace

int HistoryRecorder::Limit() const { return std::min(w_.S.FileHistoryLimit, kHistoryHardCap); }

void HistoryRecorder::Record(const std::string& entry, bool fromShownList2) {
  if (w_.S.FileHistoryLimit <= 0) return;
  const int selector = w_.ComboBox1.itemIndex();
  const bool historyShown = w_.MemoryViewShown() && w_.S.CurrentMemory == w_.S.HistoryName;
  if (!historyShown) {
    kept_->appendKept(entry, kCurrentVolume);
    while (kept_->keptCount() > Limit()) kept_->dropOldestKept();
  } else if (!fromShownList2) {
    recordIntoShownHistory(entry);
  }
  w_.ComboBox1.setItemIndex(selector);
}

void HistoryRecorder::recordIntoShownHistory(const std::string& entry) {
  auto* volumes = static_cast<ui::ListBox*>(w_.findControl("ListBoxVM"));
  const bool names = w_.menu("SSN").checked();
  w_.ListBox2.add(entry);
  if (names) w_.ListBox8.add(base::ExtractFileName(entry));
  volumes->add(kCurrentVolume);
  while (w_.ListBox2.count() > Limit()) {
    w_.ListBox2.remove(0);
    if (names && w_.ListBox8.count() > 0) w_.ListBox8.remove(0);
    if (volumes->count() > 0) volumes->remove(0);
  }
  w_.Label_MFN_Kosu.setCaption(std::to_string(w_.ListBox2.count()) + "ｺ");
  RebuildPool(*static_cast<ui::ListBox*>(w_.findControl("ListBoxRM")), w_.ListBox2.count());
}

}  // namespace playback

#pragma once
// Playback records played tunes into the history that the memory lists keep while another
// memory is on screen.
#include "memory/memory_lists.h"
#include "playback/history_sink.h"

namespace app {

class MemoryHistorySink : public playback::HistorySink {
 public:
  explicit MemoryHistorySink(memory::MemoryLists& lists) : lists_(lists) {}
  void appendKept(const std::string& entry, const std::string& volume) override {
    lists_.HistoryEntries.push_back(entry);
    lists_.HistoryVolumes.push_back(volume);
  }
  int keptCount() const override { return static_cast<int>(lists_.HistoryEntries.size()); }
  void dropOldestKept() override {
    if (!lists_.HistoryEntries.empty()) lists_.HistoryEntries.erase(lists_.HistoryEntries.begin());
    if (!lists_.HistoryVolumes.empty()) lists_.HistoryVolumes.erase(lists_.HistoryVolumes.begin());
  }
  void appendShown(const std::string& entry, int limit) override {
    lists_.AppendShown({entry}, limit);
    lists_.ShowEntryCount();
  }

 private:
  memory::MemoryLists& lists_;
};

}  // namespace app

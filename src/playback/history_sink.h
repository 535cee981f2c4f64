#pragma once
// Where played tunes are recorded: the history that the memory lists keep, held aside with
// its parallel volume list while another memory is shown, or on screen when it is the shown
// memory. The memory lists own both; playback only appends and trims.
#include <string>

namespace playback {

class HistorySink {
 public:
  virtual ~HistorySink() = default;
  // Appends the entry and its volume value to the kept history and its volume list.
  virtual void appendKept(const std::string& entry, const std::string& volume) = 0;
  virtual int keptCount() const = 0;
  // Removes the oldest entry and its volume value.
  virtual void dropOldestKept() = 0;
  // Appends the entry to the shown history, keeping at most limit entries, and shows the count.
  virtual void appendShown(const std::string& entry, int limit) = 0;
};

}  // namespace playback

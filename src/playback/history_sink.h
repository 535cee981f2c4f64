#pragma once
// Where played tunes are recorded while a memory other than the history is on screen: the
// history kept in memory with its parallel volume list. The memory lists own that store;
// playback only appends and trims.
#include <string>
#include <vector>

namespace playback {

class HistorySink {
 public:
  virtual ~HistorySink() = default;
  // Appends the entry and its volume value to the kept history and its volume list.
  virtual void appendKept(const std::string& entry, const std::string& volume) = 0;
  virtual int keptCount() const = 0;
  // Removes the oldest entry and its volume value.
  virtual void dropOldestKept() = 0;
};

// A kept history in plain lists: the recorder's own store when no memory lists are attached.
class KeptHistory : public HistorySink {
 public:
  void appendKept(const std::string& entry, const std::string& volume) override {
    entries.push_back(entry);
    volumes.push_back(volume);
  }
  int keptCount() const override { return static_cast<int>(entries.size()); }
  void dropOldestKept() override {
    if (!entries.empty()) entries.erase(entries.begin());
    if (!volumes.empty()) volumes.erase(volumes.begin());
  }
  std::vector<std::string> entries;
  std::vector<std::string> volumes;
};

}  // namespace playback

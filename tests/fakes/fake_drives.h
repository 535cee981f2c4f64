#pragma once
// Drives as a test lays them out: a letter, its type, whether a medium is in, its label.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"

namespace fakes {

class FakeDrives : public platform::Drives {
 public:
  // A drive with a medium; ready = false is an empty drive (no total size, no label).
  void add(char letter, platform::DriveType type, bool ready = true, std::string label = "") {
    drives_[letter] = {type, ready, std::move(label), {}};
  }
  void setReady(char letter, bool ready) { drives_.at(letter).ready = ready; }
  void setSpace(char letter, unsigned long long free, unsigned long long total) { drives_.at(letter).room = {free, total}; }

  std::vector<platform::Drive> list() override {
    std::vector<platform::Drive> out;
    for (auto& [letter, d] : drives_) out.push_back({letter, d.type});
    return out;
  }
  std::optional<std::string> volumeLabel(char letter) override {
    const auto it = drives_.find(letter);
    if (it == drives_.end() || !it->second.ready) return std::nullopt;
    return it->second.label;
  }
  bool isReady(char letter) override {
    const auto it = drives_.find(letter);
    return it != drives_.end() && it->second.ready;
  }
  std::optional<Space> space(char letter) override {
    if (!isReady(letter)) return std::nullopt;
    return drives_.at(letter).room;
  }

 private:
  struct State {
    platform::DriveType type;
    bool ready;
    std::string label;
    Space room;
  };
  std::map<char, State> drives_;
};

}  // namespace fakes

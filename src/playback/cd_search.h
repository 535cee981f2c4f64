#pragma once
// The CD search: every CD drive (or the current one) is tested for a playable audio disc,
// each track of the discs found goes into the shown memory as a reference entry tied to its
// disc, and a track report "CD$$$$.TXT" opens in Notepad.
#include <functional>
#include <string>
#include <vector>

#include "memory/memory_lists.h"
#include "ui/menu.h"
#include "ui/widgets.h"

namespace playback {

class Playback;

struct CdSearchView {
  ui::Panel& PanelOPEN;  // the window-wide notice panel
  ui::MenuItem &PCD_ALL, &PCD_1;
  // The file information of the selected entry of a list, in the status bars.
  std::function<void(ui::ItemList&)> showSelectedFile;
};

class CdSearch {
 public:
  CdSearch(CdSearchView view, Playback& pb, memory::MemoryLists& memory);

  // allDrives: every drive of the CD drive list; otherwise the drive of the current folder.
  void PCD_ALLClick(bool allDrives);
  // Empty when the drive holds a playable audio CD, else the reason.
  std::string DiscTest(char drive);
  // Shows a message when the drive is not ready; false when the drive cannot be opened at all.
  bool ReadinessCheck(char drive);

 private:
  std::string testOnce();
  // Adds the disc's tracks to the memory and their lines to the report; how many there were.
  int addTracks(char drive, std::vector<std::string>& report);
  void finish(bool wasBusy);

  CdSearchView v_;
  Playback& pb_;
  memory::MemoryLists& memory_;
};

}  // namespace playback

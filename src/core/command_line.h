#pragma once
// The switches and files of a command line (at start or forwarded).
#include <string>
#include <vector>

namespace core {

struct CommandLine {
  bool play = false;      // /PLAY
  bool close = false;     // /CLOSE
  bool closeC = false;    // /C
  bool winClose = false;  // /WC
  bool tray = false;      // /T
  std::vector<std::string> files;
};

}  // namespace core

#pragma once
// The user guide beside the program: the compiled help where one is installed, else the
// plain-text guide in Notepad, so a shop owner always finds the menu paths.
#include <string>

#include "platform/file_system.h"
#include "platform/system.h"

namespace tools {

inline constexpr char kHelpFileName[] = "ZELCOR32.CHM";
inline constexpr char kGuideFileName[] = "ZELCOR32.TXT";

// Opens the help of the program folder. Returns "" when it opened, else the message to show.
std::string OpenHelp(platform::FileSystem& fs, platform::Shell& shell, const std::string& programFolder);

}  // namespace tools

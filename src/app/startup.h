#pragma once
// What a start of the program becomes: the player, a hand-over to the running player, or the
// setup window; and the command line it acts on.
#include <string>
#include <vector>

#include "core/command_line.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace app {

using core::CommandLine;

extern const char kMainWindowClass[];   // "TZELCOR32ZUMIK"
extern const char kSetupWindowClass[];  // "TBGM_SETUPFM"

enum class StartKind {
  Forwarded,     // handed to the running player; end at once
  Player,        // create the main window
  Setup,         // run the setup window
  SetupRunning,  // a setup window is already open; end at once
};

// What the setup window does when it runs.
enum class SetupMode {
  Install,
  Uninstall1,  // "/uninstall": the questions and the clean-up
  Uninstall2,  // started as the uninstaller copy: deletes the program file
  Running,     // "/uninstall" while the player or a setup window runs: only says so
};

struct StartDecision {
  StartKind kind = StartKind::Player;
  SetupMode setupMode = SetupMode::Install;
};

// params are the command-line parameters without the program; exeFileName the bare file name.
StartDecision DecideStart(const std::vector<std::string>& params, const std::string& exeFileName,
                          platform::Registry& reg, platform::InstanceLink& link);

// "-x" counts as "/x"; switches compare upper-cased. Other parameters are files when longer
// than 6 characters, of the form "X:\..." and naming an existing file (long-name form).
void ApplyParameter(CommandLine& cl, const std::string& param, platform::FileSystem& fs);
CommandLine ParseCommandLine(const std::vector<std::string>& params, platform::FileSystem& fs);

// The text a second start hands over: its parameters joined with "?".
std::string JoinForwarded(const std::vector<std::string>& params);
// The pieces of a forwarded text, empty ones dropped.
std::vector<std::string> SplitForwarded(const std::string& text);

// Dropped paths that look like "X:\..." (longer than 6 characters), at most 300 characters each.
std::vector<std::string> AcceptedDrops(const std::vector<std::string>& paths);

// Renames the list files of the old layout to ".LISOLD" and copies them to the new names,
// once: "OLD_M" = "OK" records that it ran.
void MigrateOldLists(platform::FileSystem& fs, platform::Registry& reg, const std::string& dataFolder);

}  // namespace app

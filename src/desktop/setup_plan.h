#pragma once
// What the setup window does, apart from the window: installing the program into a folder with
// its group item, the uninstall entry and the uninstaller copy; the permission test; the two
// uninstall stages. Messages and questions go back to the window's message box.
#include <functional>
#include <string>
#include <vector>

#include "desktop/program_groups.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace desktop {

extern const char kProductTitle[];     // "Zelcor32 B-G-M": the item title too
extern const char kProgramKey[];       // "ZELCOR32"
extern const char kSetupGroup[];       // "ZUMIKSOFT SETUP"
extern const char kUninstallEntry[];   // under the local machine
extern const char kHandOverKey[];      // under the current user
extern const char kUninstallerName[];  // "unin_zumik000.exe"

// 20 gives "2.0".
std::string VersionText(int version);
// "ZUMIKSOFT Zelcor32 B-G-M V2.0"
std::string DisplayName();

struct SetupServices {
  platform::Registry& reg;
  platform::FileSystem& fs;
  platform::Shell& shell;
  std::string programPath;    // the running program
  std::string windowsFolder;  // with its "\"
};

struct SetupTalk {
  std::function<void(const std::string&)> show;
  // A question that answers itself when its countdown runs out: yes when defaultYes.
  std::function<bool(const std::string&, bool defaultYes)> ask;
};

struct InstallChoice {
  std::string folder;
  std::string group;
  bool startup = false;
  bool standardColours = true;
};

class SetupPlan {
 public:
  SetupPlan(SetupServices sv, SetupTalk talk) : sv_(std::move(sv)), talk_(std::move(talk)), groups_(sv_.reg, sv_.fs, sv_.shell) {}

  // Drive root + "ZUMIKSOFT SETUP", no trailing "\".
  std::string setupFolder() const;
  // Drive root + "ZUMIKP32\ZELCOR32".
  std::string defaultFolder() const;
  std::string uninstallerPath() const;
  // "EXEPATH" unless unset or inside the setup folder, else the default folder.
  std::string initialFolder();
  std::string initialGroup();
  ProgramGroups& groups() { return groups_; }

  // The text refusing a choice, empty when it can be installed.
  std::string refusal(const InstallChoice& c) const;
  // Checks, then installs: folder, copies, setup-folder clean-up, "EXEPATH" and "Group", the
  // group item (and the startup item), the uninstall entry and "Version". False when refused.
  bool install(const InstallChoice& c);
  // After install: the uninstaller copy, the hand-over key and the closing message.
  void finishInstall(const InstallChoice& c);

  // Whether the uninstall entry can be written; a test entry made for it is removed again.
  bool mayWriteMachineKeys();
  // Copies the program into the setup folder as "ZELCOR32SetUp.exe"; its path, empty on failure.
  std::string copyForRelaunch();
  // Starts that copy; when it cannot start, leaves a setup-group item for it and says so.
  void relaunch(const std::string& copy);

  // Stage 1 over the data folder; true when stage 2 is to be started.
  bool uninstall(const std::string& dataFolder);
  // Removes a data folder the user chose (only when empty) and starts the uninstaller copy.
  void startStage2(const std::string& chosenDataFolder);
  // Stage 2, run as the uninstaller copy: reads and removes the hand-over key; false when the
  // parameters are not its own (the text is shown).
  bool takeHandOver(const std::vector<std::string>& params);
  // Deletes the program file and its folder; false while the file is still there.
  bool removeProgram();

 private:
  void placeGroupItem(const std::string& folder, const std::string& target, bool add);
  void writeHandOver(const std::string& file, const std::string& endMessage);
  void deleteHandOver();
  void removeMatching(const std::string& folder, const std::string& pattern);

  SetupServices sv_;
  SetupTalk talk_;
  ProgramGroups groups_;
  std::string handOverFile_, handOverRmDir_, handOverEnd_;
};

}  // namespace desktop

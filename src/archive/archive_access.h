#pragma once
// The player's side of the archive library: each operation loads the library by name, runs its
// command lines or walks the archive, and releases it. A missing library or entry point fails
// the operation without a message; the caller reports its own error line.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/shared_state.h"
#include "platform/file_system.h"
#include "platform/unlha_library.h"

namespace archive {

// What the operations reach of the main window.
struct ArchiveHost {
  std::function<void()> pump;                              // lets pending window messages run
  std::function<bool()> windowShownNormally;               // visible and not minimised
  std::function<void(const std::string&)> setTitle;        // caption, application title and tray tip
  std::function<std::uint64_t()> nowMs;                     // a clock in milliseconds that never goes back
};

// The entry name without its folder part ("DIR/A.MID" gives "A.MID").
std::string BareEntryName(const std::string& stored);

class ArchiveAccess {
 public:
  ArchiveAccess(core::SharedState& state, platform::FileSystem& fs, ArchiveHost host);
  // None: every operation fails, as with the library missing.
  void setLibrary(platform::UnlhaLoader* loader) { loader_ = loader; }

  // Extracts one entry for playing, into LZH_TEMP when no destination is given. With K8 the
  // file extracted last time is deleted first.
  bool ExtractForPlay(const std::string& archive, const std::string& entry, const std::string& destination = "");
  // Extracts a name or pattern into the destination folder (with its "\"), LZH_POPM when none.
  bool ExtractToFolder(const std::string& archive, const std::string& name, const std::string& destination = "");
  bool DeleteArchiveEntry(const std::string& archive, const std::string& entry);
  // Replaces an entry by the copy the caller left in LZH_POPM under its new name; refused for
  // an entry stored in a folder and when the new name exists.
  bool RenameArchiveEntry(const std::string& archive, const std::string& oldName, const std::string& newName);
  // The entries' names without their folders; false when the archive cannot be read or is empty.
  bool ListArchiveEntries(const std::string& archive, std::vector<std::string>& names);
  // The library's own list of the archive, for the list report.
  bool ListReport(const std::string& archive, std::string& text);
  // Adds one file to the archive (created when missing), the title saying so meanwhile.
  bool AddFile(const std::string& archive, const std::string& file);

  // Whether a command can reach the library, for a batch that names what is missing.
  enum class Reach { Ok, NoLibrary, NoEntryPoint };
  Reach CheckLibrary();

  // The command text, " -n" when asked for and the progress window is not to be shown, then
  // each argument quoted after a blank, then a final blank.
  std::string CommandLine(const std::string& command, bool progressSwitch, const std::vector<std::string>& args) const;

 private:
  enum class Use { Command, Listing };
  std::unique_ptr<platform::UnlhaLibrary> load(Use use);
  // Runs one command with the archive-busy flag set; true when the library returned 0.
  bool run(platform::UnlhaLibrary& lib, const std::string& commandLine, std::uint32_t outputSize,
           std::string* output = nullptr);
  // The stored name of the first entry matching pattern; false when the archive cannot be
  // opened or nothing matches.
  bool findStored(platform::UnlhaLibrary& lib, const std::string& archive, const std::string& pattern,
                  std::string& stored);
  void dropLastExtracted();

  core::SharedState& S;
  platform::FileSystem& fs_;
  ArchiveHost host_;
  platform::UnlhaLoader* loader_ = nullptr;
};

}  // namespace archive

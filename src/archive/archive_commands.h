#pragma once
// The archive commands of the file pop-up menu that work on the selected rows of the active
// list: extracting archives into "NAME.LZ$" folders of the extraction folder (PLZH0..PLZH3).
#include <string>
#include <vector>

#include "archive/archive_access.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "dialogs/Mkdlg.h"
#include "ui/application.h"
#include "ui/list_box.h"

namespace archive {

// What the commands reach of the window.
struct ArchiveCommandsLinks {
  ui::ItemList*& activeList;  // the list the user clicked last
  ui::ItemList& fileList;     // ListBox4: its rows are names in the shown folder
};

// The file a row names: a name of the file list in the shown folder, a memory row as it is,
// a CD reference without its disc, an archive reference as its archive.
std::string RowPath(const std::string& row, bool inFileList, const std::string& folder);

// The folder an archive extracts into: the extraction folder + its name with the last
// character replaced by "$" (SONGS.LZH gives SONGS.LZ$).
std::string ExtractionTarget(const std::string& extractFolder, const std::string& archive);

class ArchiveCommands {
 public:
  ArchiveCommands(core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box, ui::Application& app,
                  ArchiveAccess& access, ArchiveCommandsLinks links);

  // PLZH0 (music archives only) and PLZH2: the selected rows.
  void PLZH2Click(bool musicOnly);
  // PLZH1 and PLZH3: every row of the active list.
  void PLZH3Click(bool musicOnly);

  enum class Viewer { ArchiveList, Binary };
  // PLZH4 (the archive's contents) and PBinary (the first 4 KB of any file), each selected
  // row in its own report, shown in Notepad.
  void PLZH4Click(Viewer viewer);

 private:
  // Extracts one archive; false when it was not extracted (errors are recorded).
  bool extractArchive(const std::string& path, bool musicOnly);
  // The target folder, asking when it exists; empty when the archive is skipped.
  std::string chooseTarget(const std::string& path);
  bool holdsMusic(const std::string& path);
  void record(const std::string& error, const std::string& path);
  std::vector<std::string> listReport(const std::string& path);
  std::vector<std::string> binaryReport(const std::string& path);
  bool showText(const std::string& fileName, const std::vector<std::string>& lines);

  core::SharedState& S;
  core::Services& Sv;
  dialogs::TMKBoxDlg& box_;
  ui::Application& app_;
  ArchiveAccess& access_;
  ArchiveCommandsLinks links_;
  std::vector<std::string> errors_;
};

}  // namespace archive

#pragma once
// The archive commands of the file pop-up menu that work on the selected rows of the active
// list: extracting archives into "NAME.LZ$" folders of the extraction folder (PLZH0..PLZH3),
// the report views, CR removal from web files, registering archive entries in the memory and
// compressing files into an archive of the "$$$$圧縮" folder.
#include <functional>
#include <string>
#include <vector>

#include "archive/archive_access.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "dialogs/Mkdlg.h"
#include "dialogs/SNdlg.h"
#include "ui/application.h"
#include "ui/list_box.h"

namespace archive {

// What the commands reach of the window.
struct ArchiveCommandsLinks {
  ui::ItemList*& activeList;  // the list the user clicked last
  ui::ItemList& fileList;     // ListBox4: its rows are names in the shown folder
  // The memory list with its names-only twin and values, and the same three of the trash.
  ui::ItemList &memoryList, &memoryNames, &memoryValues, &trashList, &trashNames, &trashValues;
  // Appends entries with their values to the shown memory and starts its random order afresh.
  std::function<void(const std::vector<std::string>& entries, const std::vector<std::string>& values)> addToMemory;
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

  enum class Viewer { ArchiveList, Binary, Html, CrRemoval };
  // PLZH4 (the archive's contents), PBinary (the first 4 KB of any file) and PHTML (a web
  // file as text), each selected row in its own report shown in Notepad; P0DCUT rewrites the
  // selected web files without their CR bytes.
  void PLZH4Click(Viewer viewer);

  // PLZH_MEM_0 and PLZH_MEM_1 (archive references too): the entries of the selected archives
  // as "/" + archive + "/" + entry rows of the shown memory.
  void PLZH_MEM_0Click(bool withReferences);

  // PASHUKU: the selected files into an archive named in the input box; PASHUKUALL: every row.
  void PASHUKUClick();
  void PASHUKUALLClick();

 private:
  // The list whose rows the selection of list stands for (a names-only list stands for its
  // full list) and the values kept beside them (none for the file list).
  struct Rows {
    const ui::ItemList& entries;
    const ui::ItemList* values;
    bool inFileList;
  };
  Rows rowsOf(const ui::ItemList& list) const;
  bool selectEveryRow();
  // Runs each on every selected row as one batch, letting messages run between rows; the stop
  // button ends it after the current row, closing at once.
  void eachSelectedRow(ui::ItemList& list, const std::function<void(const Rows&, int)>& each);
  // The file a row names; an archive entry is extracted to LZH_POPM first and its copy named
  // in extracted, for the caller to delete.
  std::string resolve(const std::string& row, const Rows& rows, bool entries, std::string& extracted);
  // The error report of a batch, when errors were recorded.
  void reportErrors(const std::string& title, const std::string& failure);
  bool removeCarriageReturns(const std::string& path, const std::string& mode);
  bool compressFile(const std::string& archive, const std::string& path, std::vector<std::string>& stored);
  // Extracts one archive; false when it was not extracted (errors are recorded).
  bool extractArchive(const std::string& path, bool musicOnly);
  // The target folder, asking when it exists; empty when the archive is skipped.
  std::string chooseTarget(const std::string& path);
  bool holdsMusic(const std::string& path);
  void record(const std::string& error, const std::string& path);
  std::vector<std::string> listReport(const std::string& path);
  std::vector<std::string> binaryReport(const std::string& path);
  std::vector<std::string> htmlReport(const std::string& path);
  // The lines naming the file, its date with attributes and its size, under the title.
  std::vector<std::string> fileHeader(const std::string& title, const std::string& path,
                                      const platform::FileEntry& info, const std::string& sizeLead);
  bool showText(const std::string& fileName, const std::vector<std::string>& lines);

  core::SharedState& S;
  core::Services& Sv;
  dialogs::TMKBoxDlg& box_;
  ui::Application& app_;
  ArchiveAccess& access_;
  ArchiveCommandsLinks links_;
  std::vector<std::string> errors_;
  dialogs::TSNBoxDlg nameBox_;  // keeps the last archive name for the next compression
};

}  // namespace archive

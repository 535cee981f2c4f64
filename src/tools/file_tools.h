#pragma once
// The file commands of the list pop-up that act on the disk: rename, copy, move and delete
// the selected rows of the file list, the memory list or the trash list, and the small
// reports on files and drives (text view, kana view, total size, drive space).
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/services.h"
#include "core/shared_state.h"
#include "dialogs/Mkdlg.h"
#include "tools/RENAMdlg.h"
#include "ui/application.h"
#include "ui/list_box.h"

namespace tools {

// A row resolved to the file it names. A "/" row (an entry inside an archive) names the
// archive file; a ">" row (a CD track of one disc) names the track file.
struct ResolvedRow {
  std::string path;
  std::string archive, entry;  // "/" rows only
};
// folder: the listed folder for the file list's bare names, empty for full-path lists.
ResolvedRow ResolveRow(const std::string& row, const std::string& folder);

// Half-width katakana of Shift-JIS text to full-width, a voiced or semi-voiced mark folded
// into the kana before it where one exists. count gets the number of replacements.
std::string FullWidthKana(const std::string& text, int& count);

// " D:  free Bytes  total Bytes  free分/ total分", or the no-medium line. Minutes are of
// CD-quality sound (44100 Hz, 16 bits, stereo: 10,584,000 bytes a minute).
std::string DriveSpaceLine(char letter, const std::optional<platform::Drives::Space>& space);

// The lists a command acts on, the commands' links above the tools and the dialog it opens.
struct FileToolsView {
  ui::ListBox &ListBox4, &ListBox2, &ListBox8, &ListBoxVM, &ListBox6, &ListBox9, &ListBoxVG;
  ui::ComboBox& ComboBox2;
};

// The archive library's operations on one entry, as the "LZH内" commands use them; all three
// are given.
struct ArchiveEntryOps {
  // Extracts the entry into the folder (given with its "\").
  std::function<bool(const std::string& archive, const std::string& entry, const std::string& folder)> extract;
  std::function<bool(const std::string& archive, const std::string& entry)> remove;
  // Replaces the entry by the file of the new name in the extraction folder.
  std::function<bool(const std::string& archive, const std::string& oldName, const std::string& newName)> rename;
};

struct FileToolsLinks {
  std::function<ui::ItemList*()> activeList;
  std::function<std::string()> listedFolder;
  // The folder chooser with its caption, opened on start; nothing when cancelled.
  std::function<std::optional<std::string>(const std::string& caption, const std::string& start)> chooseFolder;
  // Rows of a list were removed or re-pointed: counts and random pools follow.
  std::function<void(bool fileList)> listChanged;
  // "削除": the memory list's or the trash's own cut command.
  std::function<void(bool memory)> cutSelected;
};

class FileTools {
 public:
  FileTools(FileToolsView view, core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box,
            ui::Application& app, FileToolsLinks links, ArchiveEntryOps archive);

  // inArchive: the "LZH内" variant, acting on the entry an archive row names rather than on
  // the whole archive file.
  void PRENAMEClick(bool inArchive = false);
  void PCOPYClick(bool move, bool inArchive = false);
  void PKILLClick(bool inArchive = false);
  void PSAKUJOClick();
  void PTEXTClick();
  void PKANAClick();
  void P_FILE_SZClick(bool all);
  void PAKIClick();

  TReNameBoxDlg ReNameBoxDlg1;
  std::string CopyFolder, MoveFolder;  // the remembered targets, without "\"

 private:
  // The row list, its names-only view and its value list of the active list.
  struct Group {
    ui::ItemList* rows;
    ui::ItemList* names;
    ui::ItemList* values;
    ui::ItemList* shown;
    bool fileList;
  };
  Group activeGroup();
  ResolvedRow resolve(const Group& g, int i);
  // Extracts the row's entry into LZH_POPM and points the row's path at that copy; false when
  // the extraction failed.
  bool extractEntry(ResolvedRow& r);
  enum class Next { Go, Removed, End };
  // Runs step over the rows selected when the batch began, with the busy flag and cursor,
  // letting messages run before each row; closing ends it silently, a stop request after a row.
  void eachSelected(const Group& g, const std::function<Next(int row)>& step);
  void removeRow(const Group& g, int i);
  void setRow(const Group& g, int i, const std::string& row, const std::string& name);
  // Continue/abort on a row that failed; true to go on (abort also beeps).
  bool goOn(const std::string& text);
  void sayStopped(const std::string& what);
  // entry: r names the extracted copy of an archive entry, whose removal from the archive
  // follows a move.
  Next renameOne(const Group& g, int i, const ResolvedRow& r, bool entry, int& count);
  Next copyOne(const Group& g, int i, const ResolvedRow& r, bool entry, bool move, const std::string& mode,
               const std::string& target, int& count);
  std::string entryRow(const ResolvedRow& r) const { return "/" + r.archive + "/" + r.entry; }
  std::vector<std::string> kanaReport(const std::string& path, const std::string& bytes);

  FileToolsView v_;
  core::SharedState& S;
  core::Services& Sv;
  dialogs::TMKBoxDlg& box_;
  ui::Application& app_;
  FileToolsLinks links_;
  ArchiveEntryOps archive_;
};

}  // namespace tools

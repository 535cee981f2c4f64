#pragma once
// Opening or playing the selected files with the program their type is associated with, the
// way a double click in the shell would, resolved from the class keys of the registry and
// started with a plain command line. Batch and registry files are never run: they, and every
// file without a usable association, open in Notepad.
#include <optional>
#include <string>
#include <vector>

#include "archive/archive_access.h"
#include "core/services.h"
#include "core/shared_state.h"
#include "dialogs/Mkdlg.h"
#include "ui/application.h"

namespace desktop {

// The command line a verb's command template gives for path (the template as stored; it is
// upper-cased here, the path is not): a leading "%SYSTEMROOT%" becomes the Windows folder,
// the first placeholder takes the path, a second is dropped, a template without one gets the
// path quoted after a blank. Nothing for an empty template or one with a third placeholder.
std::optional<std::string> CommandFromTemplate(const std::string& commandTemplate, const std::string& path,
                                               const std::string& windowsFolder);

class Associations {
 public:
  Associations(core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box, ui::Application& app,
               archive::ArchiveAccess& archives);

  // The command line that opens (or, with play, plays) the file.
  std::string CommandFor(const std::string& path, bool play);
  // "再生　（関連付け実行）" (play) and "開く　（関連付け実行）" on the selected rows; folder is
  // the listed folder for the file list's bare names, empty for full-path rows.
  void PKANRENClick(const std::vector<std::string>& rows, const std::string& folder, bool play);

 private:
  // The file a row names, an archive entry extracted into LZH_POPM first; empty when missing.
  std::string fileOf(const std::string& row, const std::string& folder);
  // Continue/abort on a row that failed; abort beeps and asks the run to stop.
  void goOnOrStop(const std::string& text);

  core::SharedState& S;
  core::Services& Sv;
  dialogs::TMKBoxDlg& box_;
  ui::Application& app_;
  archive::ArchiveAccess& archives_;
};

}  // namespace desktop

#pragma once
// TReNameBoxDlg: the component that opens the rename dialog and keeps its mode, its extension
// texts and the numbering between uses (the numbering also across restarts, as settings).
#include <string>

#include "platform/file_system.h"
#include "tools/RENAM.h"
#include "ui/application.h"

namespace tools {

class TReNameBoxDlg {
 public:
  TReNameBoxDlg(ui::Application& app, platform::FileSystem& fs) : app_(app), fs_(fs) {}

  std::string Title;
  ui::Form* SourceHandle = nullptr;  // null: the main window
  std::string NewName;               // in: the proposed name; out: the new full path
  bool StandardColor = true;
  std::string OldKakuchoshi, NewKakuchoshi;
  bool AutoRename0 = false;  // the mode chooser hidden
  bool AutoRename1 = false;  // the numbered panel hidden
  std::string LZH;           // archive path shown instead of the folder
  std::string Auto_Name = "ReName";
  int Auto_No = 0;
  int Auto_No_KETA = 3;

  // 1 renamed, 2 skipped, 3 aborted.
  int Execute(const std::string& path);
  TRENAMEBox* current() const { return current_; }

 private:
  ui::Application& app_;
  platform::FileSystem& fs_;
  TRENAMEBox* current_ = nullptr;
};

}  // namespace tools

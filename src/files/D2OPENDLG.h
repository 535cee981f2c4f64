#pragma once
// TDIR2OPENDLG: the component that opens the folder chooser and returns the chosen folder.
// It keeps the new-folder box, so the names typed for new folders stay offered.
#include <string>

#include "dialogs/SNdlg.h"
#include "files/Dir2view.h"

namespace files {

class TDIR2OPENDLG {
 public:
  TDIR2OPENDLG(ui::Application& app, ChooserServices services) : app_(app), sv_(std::move(services)), newFolderBox_(app) {}

  std::string Directory;
  std::string Title;
  ui::Form* SourceHandle = nullptr;  // null: the main window
  bool StandardColor = true;
  std::string Filter = "ALL files|*.*";
  std::string InitialDir;

  // 1 for "設定" (Directory then holds the folder), 3 for "中止".
  int Execute(const std::string& text);
  TDIR2VIEWForm* current() const { return current_; }

 private:
  ui::Application& app_;
  ChooserServices sv_;
  dialogs::TSNBoxDlg newFolderBox_;
  TDIR2VIEWForm* current_ = nullptr;
};

}  // namespace files

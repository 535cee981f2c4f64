#pragma once
// TSNBoxDlg: the component that opens the line-input box. Each caller keeps its own, so each
// keeps its own history of answers.
#include <string>
#include <vector>

#include "dialogs/SNFM.h"
#include "ui/application.h"

namespace dialogs {

class TSNBoxDlg {
 public:
  explicit TSNBoxDlg(ui::Application& app) : app_(app) {}

  std::string Title;
  ui::Form* SourceHandle = nullptr;  // null: the main window
  std::vector<std::string> SN;
  bool StandardColor = true;
  std::string SNText;

  // The modal result: 1 when a text was registered. SNText and SN are updated either way.
  int Execute(const std::string& prompt);
  TSNBox* current() const { return current_; }

 private:
  ui::Application& app_;
  TSNBox* current_ = nullptr;
};

}  // namespace dialogs

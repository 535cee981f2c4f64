#pragma once
// TTmSETBoxDlg: the component that opens the number box and returns the user's answer.
#include <string>

#include "dialogs/TmSET.h"
#include "ui/application.h"

namespace dialogs {

class TTmSETBoxDlg {
 public:
  explicit TTmSETBoxDlg(ui::Application& app) : app_(app) {}

  std::string Msg0, Msg1, Msg2;
  int MinCount = 0;
  int TCount = 0;
  std::string Title;
  ui::Form* SourceHandle = nullptr;  // null: the main window
  std::string HMS = "秒";

  // The modal result: 1 accepted (TCount then holds the value), 3 cancelled.
  int Execute(const std::string& title);
  int Execute() { return Execute(Title); }
  // The box on screen (null when none): for tests and drivers.
  TTMSETBox* current() const { return current_; }

 private:
  ui::Application& app_;
  TTMSETBox* current_ = nullptr;
};

}  // namespace dialogs

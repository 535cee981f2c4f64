#pragma once
// TSNBox: the line-input box. One line of text, "登録" and "中止", and a drop-down of earlier
// answers shown with "H".
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace dialogs {

// Puts text first in the history, taking out an equal entry so it never appears twice.
void MoveToTop(std::vector<std::string>& history, const std::string& text);

struct LineRequest {
  std::string caption, prompt, text;
  std::vector<std::string> history;
  bool standardColor = true;
  ui::Form* over = nullptr;
};

class TSNBox : public ui::Form {
 public:
  TSNBox(ui::Application& app, const LineRequest& request);

  ui::Label& Msg;
  ui::Edit& Edit1;
  ui::Button &Button1, &Button2, &Button3;
  ui::Panel& Panel1;
  ui::ComboBox& ComboBox1;
  ui::Button& Button4;

  void Button1Click();
  void ComboBox1Change();
};

}  // namespace dialogs

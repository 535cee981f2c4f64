#include "dialogs/SNdlg.h"

namespace dialogs {

int TSNBoxDlg::Execute(const std::string& prompt) {
  LineRequest r;
  r.caption = Title.empty() ? app_.title() : Title;
  r.prompt = prompt;
  r.text = SNText;
  r.history = std::move(SN);
  SN.clear();
  r.standardColor = StandardColor;
  r.over = SourceHandle;
  int result = 0;
  {
    TSNBox box(app_, r);
    current_ = &box;
    result = box.showModal();
    current_ = nullptr;
    SNText = box.Edit1.text();
    SN = box.ComboBox1.items();
    if (!SNText.empty()) MoveToTop(SN, SNText);
  }
  return result;
}

}  // namespace dialogs

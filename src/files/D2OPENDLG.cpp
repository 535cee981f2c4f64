#include "files/D2OPENDLG.h"

#include "dialogs/placement.h"

namespace files {

int TDIR2OPENDLG::Execute(const std::string& text) {
  TDIR2VIEWForm form(app_, sv_, Filter, StandardColor, newFolderBox_);
  current_ = &form;
  form.setBounds(dialogs::CentredOver(app_, SourceHandle, form.bounds().width, form.bounds().height));
  form.setCaption((Title.empty() ? app_.title() : Title) + (text.empty() ? std::string("フォルダーの選択") : text));
  form.OpenStart(Directory.empty() ? InitialDir : Directory);
  const int result = form.showModal();
  current_ = nullptr;
  if (result == ui::kResultOk) Directory = form.chosen();
  return result;
}

}  // namespace files

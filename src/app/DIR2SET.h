#pragma once
// The folder-setting dialog (TDIR2SETForm) and its component TDIR2SETDLG: a typed folder,
// created on request; the first choice of a folder cannot be skipped.
#include <functional>
#include <string>

#include "dialogs/Mkdlg.h"
#include "platform/file_system.h"
#include "ui/form.h"
#include "ui/widgets.h"

namespace app {

class TDIR2SETForm : public ui::Form {
 public:
  TDIR2SETForm(ui::Application& app, platform::FileSystem& fs, const std::string& title,
               const std::string& dirName, const std::string& directory, const std::string& windowsFolder);

  ui::Label &Label1, &Label2, &Label3, &Label4;
  ui::Edit& Edit1;
  ui::Button &ButtonDefault, &ButtonBrowse, &ButtonCancel, &ButtonSet;
  dialogs::TMKBoxDlg MKBoxDlg1;

  // The folder chosen so far ("" when none).
  const std::string& working() const { return working_; }
  std::string defaultFolder() const;
  // The folder chooser; the browse button is off while there is none.
  std::function<std::string(const std::string& title, const std::string& start)> browse;

  void ButtonSetClick();
  void ButtonCancelClick();
  void FormCloseQuery(bool& canClose);

 private:
  platform::FileSystem& fs_;
  std::string dirName_, windowsFolder_, working_;
};

class TDIR2SETDLG {
 public:
  TDIR2SETDLG(ui::Application& app, platform::FileSystem& fs, std::string windowsFolder)
      : app_(app), fs_(fs), windowsFolder_(std::move(windowsFolder)) {}
  std::string Directory;
  std::string Title;
  std::string DirName;
  ui::Form* SourceHandle = nullptr;
  bool StandardColor = false;
  std::string Filter;
  std::function<std::string(const std::string&, const std::string&)> browse;
  // Runs the dialog; Directory holds the folder afterwards.
  void Execute();

 private:
  ui::Application& app_;
  platform::FileSystem& fs_;
  std::string windowsFolder_;
};

}  // namespace app

#pragma once
// TDIR2VIEWForm: the folder chooser. A drive selector, the folder view (tree first, the flat
// list after a click on its header), the folder's files in five columns, the filter
// selector, the folder field, and buttons to go back, go up, create and delete folders.
#include <array>
#include <string>
#include <vector>

#include "dialogs/Mkdlg.h"
#include "dialogs/SNdlg.h"
#include "files/folder_view.h"
#include "platform/clock.h"
#include "platform/drives.h"
#include "platform/file_system.h"
#include "ui/form.h"
#include "ui/list_view.h"

namespace files {

// The services the chooser reads folders and drives through.
struct ChooserServices {
  platform::FileSystem& fs;
  platform::Drives& drives;
  platform::Clock& clock;
  std::string programFolder;  // where the chooser opens when no given folder is usable
};

struct ChooserFilter {
  std::vector<std::string> captions;  // description + " (" + mask + ")"
  std::vector<std::string> masks;
};
// The pairs of a "description|mask|..." filter ("ALL files|*.*" when empty), with
// "ALL files (*.*)" added when no mask lists every file.
ChooserFilter ParseChooserFilter(const std::string& filter);
// A file's row: name, size, kind, date, attributes.
ui::ListView::Row FileRow(const platform::FileEntry& e, platform::Clock& clock);
// Size texts compared right-aligned: the shorter one padded with leading spaces.
int CompareSizeTexts(const std::string& a, const std::string& b);
// The folder shown in the new-folder prompt: at most 38 characters, else "..." and its end.
std::string ShortFolderPrompt(const std::string& folder);

class TDIR2VIEWForm : public ui::Form {
 public:
  TDIR2VIEWForm(ui::Application& app, ChooserServices services, const std::string& filter, bool standardColor,
                dialogs::TSNBoxDlg& newFolderBox);

  ui::ComboBox& ComboBoxDrive;
  ui::Header& HeaderFolder;
  ui::ListBox& ListBoxFolder;
  ui::TreeView& TreeViewFolder;
  ui::ListView& ListView1;
  ui::ComboBox& ComboBox_KAKU;
  ui::Label& LabelFolder;
  ui::Edit& Edit_Folder;
  ui::Button &Button_HF, &Button_BF, &Button_NF, &Button_DF, &ColorBtn1, &ColorBtn2;
  dialogs::TMKBoxDlg MKBoxDlg1;

  std::string ChooserFolder;
  std::vector<std::string> ChooserBackStack;
  std::string chosen() const { return chosen_; }
  bool treeShown() const { return tree_; }
  const std::string& activeMask() const { return masks_.at(maskIndex_); }

  // Opens the first usable folder of start (or the program's folder).
  void OpenStart(const std::string& start);
  // Opens a folder from the view, a button or the start; false when it could not be opened.
  bool OpenFolder(const std::string& path);
  void ChangeDrive(char letter);
  void RebuildFileList();
  void ListView1ColumnClick(int column);
  void HeaderFolderClick();
  void Button_HFClick();
  void Button_BFClick();
  void Button_NFClick();
  void Button_DFClick();
  void ColorBtn1Click();

 private:
  void showFolderView(const std::string& folder);
  void selectDrive(char letter);
  ChooserServices sv_;
  dialogs::TSNBoxDlg& newFolderBox_;
  std::vector<std::string> masks_;
  int maskIndex_ = 0;
  bool tree_ = true;
  std::vector<FolderItem> flatItems_, treeNodes_;
  std::vector<platform::Drive> drives_;
  std::vector<std::string> driveLastFolders_;
  std::array<bool, 5> descending_{};
  bool sorting_ = false, building_ = false;
  std::string chosen_;
};

}  // namespace files

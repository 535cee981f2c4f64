#include "app/DIR2SET.h"

#include "app/data_folder.h"
#include "base/path.h"
#include "dialogs/placement.h"

namespace app {

namespace {
constexpr int kDirectoryButtons = 4;
}

TDIR2SETForm::TDIR2SETForm(ui::Application& app, platform::FileSystem& fs, const std::string& title,
                           const std::string& dirName, const std::string& directory,
                           const std::string& windowsFolder)
    : ui::Form(app, "DIR2SETForm", "TDIR2SETForm"),
      Label1(add<ui::Label>(this, "Label1", 101)),
      Label2(add<ui::Label>(this, "Label2", 102)),
      Label3(add<ui::Label>(this, "Label3", 103)),
      Label4(add<ui::Label>(this, "Label4", 104)),
      Edit1(add<ui::Edit>(this, "Edit1", 105)),
      ButtonDefault(add<ui::Button>(this, "ButtonDefault", 106)),
      ButtonBrowse(add<ui::Button>(this, "ButtonBrowse", 107)),
      ButtonCancel(add<ui::Button>(this, "ButtonCancel", 108)),
      ButtonSet(add<ui::Button>(this, "ButtonSet", 109)),
      MKBoxDlg1(app),
      fs_(fs),
      dirName_(dirName),
      windowsFolder_(windowsFolder) {
  isDialog = true;
  alwaysOnTop = true;
  setCaption(title + "フォルダーの設定変更");
  setHint("設定されたフォルダーでは、ファイルの削除／上書きが実行されます　十分注意して設定してね☆");
  MKBoxDlg1.Title = title.empty() ? app.title() : title;
  MKBoxDlg1.SourceHandle = this;
  working_ = (directory == "\\" || directory == "@@@@@\\") ? "" : directory;
  Label1.setCaption(dirName + "ﾌｫﾙﾀﾞｰの設定：");
  Label2.setCaption(dirName + "ﾌｫﾙﾀﾞｰでは");
  Label3.setCaption("ﾌｧｲﾙの上書き削除をします");
  Label4.setCaption("ﾌｧｲﾙの無いﾌｫﾙﾀﾞｰを選ぶ事");
  Edit1.setText(working_.empty() ? defaultFolder() : working_);
  ButtonDefault.setCaption("初期値");
  ButtonBrowse.setCaption("参照");
  ButtonCancel.setCaption("中止");
  ButtonSet.setCaption("設定");
  ButtonSet.isDefault = true;
  ButtonCancel.isCancel = true;
  ButtonDefault.onClick = [this] { Edit1.setText(defaultFolder()); };
  ButtonBrowse.onClick = [this] {
    if (!browse) return;
    std::string chosen = browse("フォルダーの参照", Edit1.text());
    if (!chosen.empty()) Edit1.setText(chosen);
  };
  ButtonCancel.onClick = [this] { ButtonCancelClick(); };
  ButtonSet.onClick = [this] { ButtonSetClick(); };
  onCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };

  Label1.setBounds(10, 10, 300, 16);
  Edit1.setBounds(10, 30, 330, 22);
  Label2.setBounds(10, 60, 330, 16);
  Label3.setBounds(10, 78, 330, 16);
  Label4.setBounds(10, 96, 330, 16);
  ui::Button* row[kDirectoryButtons] = {&ButtonDefault, &ButtonBrowse, &ButtonCancel, &ButtonSet};
  for (int i = 0; i < kDirectoryButtons; ++i) row[i]->setBounds(10 + i * 84, 122, 78, 25);
  setBounds(0, 0, 350, 157);
}

std::string TDIR2SETForm::defaultFolder() const {
  return windowsFolder_.substr(0, 3) + "ZUMIKT32\\" + dirName_;
}

void TDIR2SETForm::ButtonCancelClick() {
  MKBoxDlg1.ShowMessage("変更を中止します");
  close();
}

void TDIR2SETForm::ButtonSetClick() {
  if (Edit1.text().empty()) {
    MKBoxDlg1.ShowMessage("フォルダーを設定して下さい。");
    return;
  }
  const std::string full = base::StripTrailingSlash(fs_.fullPath(Edit1.text()));
  // Every level from the drive root down, created where missing after one question.
  std::vector<std::string> levels;
  std::string path;
  for (auto& piece : base::SplitPath(full)) {
    if (piece.empty()) continue;
    path = path.empty() ? piece + "\\" : base::AddTrailingSlash(path) + piece;
    levels.push_back(path);
  }
  bool asked = false;
  for (auto& level : levels) {
    if (fs_.folderExists(level)) continue;
    if (!asked) {
      if (MKBoxDlg1.AskYesNoTimed("フォルダーを作成します\n" + full, 6) != 6) return;
      asked = true;
    }
    if (!fs_.makeFolder(level)) {
      MKBoxDlg1.ShowMessage("[ " + level + " ]\nフォルダーの作成に失敗しました・・・");
      return;
    }
  }
  std::string chosen = base::StripTrailingSlash(full);
  if (chosen == "\\") chosen.clear();
  if (chosen.empty()) {
    MKBoxDlg1.ShowMessage("[ " + Edit1.text() + " ]\nデータが不正です");
    return;
  }
  working_ = chosen;
  MKBoxDlg1.ShowMessage("[ " + chosen + " ]\nフォルダーを登録しました");
  close();
}

void TDIR2SETForm::FormCloseQuery(bool& canClose) {
  if (working_ == "\\") working_.clear();
  if (working_.empty() || working_ == "@@@@@\\") {
    MKBoxDlg1.ShowMessage("データを登録しないと終了出来ません\n初期値を登録して下さい☆☆☆");
    canClose = false;
  }
}

void TDIR2SETDLG::Execute() {
  TDIR2SETForm form(app_, fs_, Title, DirName, Directory, windowsFolder_);
  form.browse = browse;
  form.ButtonBrowse.setEnabled(static_cast<bool>(browse));
  form.Edit1.setColor(StandardColor ? ui::kWindowColor : ui::kParentColor);
  form.setBounds(dialogs::CentredOver(app_, SourceHandle, form.bounds().width, form.bounds().height));
  form.showModal();
  Directory = form.working();
}

}  // namespace app

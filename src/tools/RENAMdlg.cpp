#include "tools/RENAMdlg.h"

#include "base/path.h"
#include "dialogs/placement.h"

namespace tools {

int TReNameBoxDlg::Execute(const std::string& path) {
  TRENAMEBox form(app_, fs_, *this);
  current_ = &form;
  const bool archive = !LZH.empty();
  form.LabelLZH_Name.setVisible(archive);
  form.LabelLZH.setVisible(archive);
  form.LabelLZH.setCaption(LZH);
  form.Label4.setVisible(!archive);
  form.Msg.setVisible(!archive);
  form.Msg.setCaption(base::ExtractFilePath(path));
  form.LabelOldName.setCaption(base::ExtractFileName(path));
  form.InitialName = NewName.empty() ? base::ExtractFileName(path) : NewName;
  form.EditNewName.setText(form.InitialName);

  form.Edit1.setText(OldKakuchoshi);
  form.Edit2.setText(NewKakuchoshi);
  form.Panel_Auto_Set.setVisible(!AutoRename0);
  form.Panel_AutoName.setVisible(!AutoRename1);
  form.ShowExtensionFields();
  form.Edit_Auto_Name.setText(Auto_Name);
  Auto_No_KETA = ClampDigits(Auto_No_KETA);
  form.Edit_KETA.setText(std::to_string(Auto_No_KETA));
  form.Edit_Auto_No.setText(PadNumber(Auto_No, Auto_No_KETA));

  form.Filling = false;
  if (form.Numbered() && !form.Edit_Auto_No.text().empty()) form.ProposeNumbered();
  if (form.ExtensionMode() && !form.Edit2.text().empty()) form.ProposeExtension();
  form.Filling = true;
  form.WidenFor(form.EditNewName.text());
  const ui::Rect size = form.bounds();
  form.setBounds(dialogs::CentredOver(app_, SourceHandle, size.width, size.height));
  form.setCaption(Title.empty() ? app_.title() : Title);
  form.Filling = false;
  const int result = form.showModal();
  current_ = nullptr;

  OldKakuchoshi = form.Edit1.text();
  NewKakuchoshi = form.Edit2.text();
  AutoRename0 = !form.Panel_Auto_Set.visible();
  AutoRename1 = !form.Panel_AutoName.visible();
  Auto_Name = form.Edit_Auto_Name.text();
  if (auto n = ParseNumber(form.Edit_Auto_No.text()); n && *n >= 0) Auto_No = *n;
  if (auto d = ParseNumber(form.Edit_KETA.text()); d && *d >= 0) Auto_No_KETA = *d;
  if (result == ui::kResultOk) {
    NewName = form.ResultPath;
    if (form.Numbered() && !form.Edit_Auto_No.text().empty()) ++Auto_No;
  }
  return result;
}

}  // namespace tools

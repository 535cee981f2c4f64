#pragma once
// TRENAMEBox: the rename dialog. The user types the new name, or lets it propose a numbered
// name (base + zero-padded number + the old extension) or a changed extension.
#include <optional>
#include <string>

#include "dialogs/Mkdlg.h"
#include "platform/file_system.h"
#include "ui/form.h"
#include "ui/widgets.h"

namespace tools {

// The digit count of numbered names: below 0 becomes 1, above 9 becomes 9, 0 is kept (no padding).
int ClampDigits(int digits);
// A decimal number as the user typed it; nothing when it is not one or leaves 32 bits.
std::optional<int> ParseNumber(const std::string& text);
// The number left-padded with "0" to digits (a longer number is kept whole).
std::string PadNumber(int number, int digits);
// base + number text + the old name's extension (with its dot) in lower case.
std::string NumberedName(const std::string& base, const std::string& numberText, const std::string& oldName);
// The extension swap: when wanted is empty or the old name's extension, the current name cut
// at its first "." takes "." + newExt; otherwise current is kept.
std::string SwappedExtension(const std::string& current, const std::string& oldName, const std::string& wanted,
                             const std::string& newExt);

class TReNameBoxDlg;

class TRENAMEBox : public ui::Form {
 public:
  TRENAMEBox(ui::Application& app, platform::FileSystem& fs, const TReNameBoxDlg& owner);

  ui::Label &Label4, &Msg, &LabelLZH_Name, &LabelLZH, &Label2, &LabelOldName, &Label3;
  ui::Edit& EditNewName;
  ui::Button &Button1, &Button4, &Button2, &Button3;
  ui::Panel& Panel_Auto_Set;
  ui::Button &ColorBtn1, &ButtonAuto_Kaku;
  ui::Panel& Panel_AutoName;
  ui::Button& ColorBtn2;
  ui::Edit &Edit_Auto_Name, &Edit_Auto_No;
  ui::Button& Btn_Auto_Name;
  ui::Edit& Edit_KETA;
  ui::Button& Label1;  // "指定": back to the mode chooser
  ui::Edit& Edit1;
  ui::Button& Button5;
  ui::Edit& Edit2;

  bool Numbered() const { return Panel_AutoName.visible() && !Panel_Auto_Set.visible(); }
  bool ExtensionMode() const { return !Panel_AutoName.visible() && !Panel_Auto_Set.visible(); }
  // The digit field clamped, shown and returned; a text that is no number is said and taken as 1.
  int TakeDigits();
  void ProposeNumbered();
  void ShowExtensionFields();
  void ProposeExtension();
  void Button1Click();
  // Grows the dialog so the whole proposed name shows in its field.
  void WidenFor(const std::string& name);

  std::string InitialName;  // what "初期値" restores
  std::string ResultPath;   // the new full path after a rename
  bool Filling = true;      // no recomputation while Execute fills the fields

 private:
  platform::FileSystem& fs_;
  dialogs::TMKBoxDlg box_;
  bool computing_ = false;
};

}  // namespace tools

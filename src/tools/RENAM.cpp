#include "tools/RENAM.h"

#include <algorithm>
#include <charconv>

#include "base/path.h"
#include "base/sjis.h"
#include "dialogs/placement.h"
#include "tools/RENAMdlg.h"

namespace tools {

namespace {
constexpr int kDialogWidth = 460, kDialogHeight = 190, kNameLeft = 110, kNameWidth = 330;
// Rough width of one byte of a name in the dialog's font (a full-width character is two).
constexpr int kPixelsPerByte = 7;
}  // namespace

int ClampDigits(int digits) { return digits < 0 ? 1 : std::min(digits, 9); }

std::optional<int> ParseNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [at, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || at != end) return std::nullopt;
  return value;
}

std::string PadNumber(int number, int digits) {
  std::string text = std::to_string(number);
  if (static_cast<int>(text.size()) < digits) text.insert(0, digits - text.size(), '0');
  return text;
}

std::string NumberedName(const std::string& base, const std::string& numberText, const std::string& oldName) {
  return base + numberText + base::LowerCase(base::ExtractFileExt(oldName));
}

std::string SwappedExtension(const std::string& current, const std::string& oldName, const std::string& wanted,
                             const std::string& newExt) {
  std::string oldExt = base::UpperCase(base::ExtractFileExt(oldName));
  if (!oldExt.empty()) oldExt.erase(0, 1);
  const std::string want = base::UpperCase(wanted);
  if (!want.empty() && want != oldExt) return current;
  return current.substr(0, current.find('.')) + "." + newExt;
}

TRENAMEBox::TRENAMEBox(ui::Application& app, platform::FileSystem& fs, const TReNameBoxDlg& owner)
    : ui::Form(app, "RENAMEBox", "TRENAMEBox"),
      Label4(add<ui::Label>(this, "Label4", 100)),
      Msg(add<ui::Label>(this, "Msg", 101)),
      LabelLZH_Name(add<ui::Label>(this, "LabelLZH_Name", 102)),
      LabelLZH(add<ui::Label>(this, "LabelLZH", 103)),
      Label2(add<ui::Label>(this, "Label2", 104)),
      LabelOldName(add<ui::Label>(this, "LabelOldName", 105)),
      Label3(add<ui::Label>(this, "Label3", 106)),
      EditNewName(add<ui::Edit>(this, "EditNewName", 107)),
      Button1(add<ui::Button>(this, "Button1", 1)),
      Button4(add<ui::Button>(this, "Button4", 3)),
      Button2(add<ui::Button>(this, "Button2", 2)),
      Button3(add<ui::Button>(this, "Button3", 108)),
      Panel_Auto_Set(add<ui::Panel>(this, "Panel_Auto_Set", 110)),
      ColorBtn1(add<ui::Button>(&Panel_Auto_Set, "ColorBtn1", 111)),
      ButtonAuto_Kaku(add<ui::Button>(&Panel_Auto_Set, "ButtonAuto_Kaku", 112)),
      Panel_AutoName(add<ui::Panel>(this, "Panel_AutoName", 120)),
      ColorBtn2(add<ui::Button>(&Panel_AutoName, "ColorBtn2", 121)),
      Edit_Auto_Name(add<ui::Edit>(&Panel_AutoName, "Edit_Auto_Name", 122)),
      Edit_Auto_No(add<ui::Edit>(&Panel_AutoName, "Edit_Auto_No", 123)),
      Btn_Auto_Name(add<ui::Button>(&Panel_AutoName, "Btn_Auto_Name", 124)),
      Edit_KETA(add<ui::Edit>(&Panel_AutoName, "Edit_KETA", 125)),
      Label1(add<ui::Button>(this, "Label1", 130)),
      Edit1(add<ui::Edit>(this, "Edit1", 131)),
      Button5(add<ui::Button>(this, "Button5", 132)),
      Edit2(add<ui::Edit>(this, "Edit2", 133)),
      fs_(fs),
      box_(app) {
  isDialog = true;
  alwaysOnTop = true;
  box_.SourceHandle = this;
  dialogs::PaintLikeMainWindow(*this);
  const ui::Color field = owner.StandardColor ? ui::kWindowColor : ui::kParentColor;
  for (ui::Edit* e : {&EditNewName, &Edit1, &Edit2, &Edit_Auto_Name, &Edit_Auto_No}) e->setColor(field);
  Label4.setCaption("フォルダー名");
  LabelLZH_Name.setCaption("LZHファイル名");
  Label2.setCaption("元のファイル名");
  Label3.setCaption("新しいファイル名");
  auto button = [](ui::Button& b, const char* caption, const char* hint) {
    b.setCaption(caption);
    b.setHint(hint);
  };
  button(Button1, "ＯＫ", "リネームする");
  button(Button4, "中 断", "リネームを強制終了する");
  button(Button2, "飛ばす", "変更せずに次に進む");
  button(Button3, "初期値", "元のファイル名に戻す");
  button(ColorBtn1, "自動ﾌｧｲﾙ名", "番号付きファイル名に自動変更");
  button(ButtonAuto_Kaku, "自動拡張子", "拡張子の自動変更");
  button(ColorBtn2, "*", "OFF");
  button(Btn_Auto_Name, "変更", "番号付きファイル名に変更しますす☆");
  button(Label1, "指定", "変更対象拡張子の指定  /OFF");
  button(Button5, "変更", "拡張子を付け替えます。");
  Edit_Auto_Name.setHint("ファイル名");
  Edit_Auto_No.setHint("ファイル番号");
  Edit_KETA.setHint("番号の桁数");
  Edit1.setHint("無い時は、すべて変更します。");
  Edit2.setHint("拡張子の設定");
  Button1.isDefault = true;
  Button4.isCancel = true;
  Button4.modalResult = ui::kResultAbort;
  Button2.modalResult = ui::kResultCancel;
  Button1.onClick = [this] { Button1Click(); };
  Button3.onClick = [this] { EditNewName.setText(InitialName); };
  ColorBtn1.onClick = [this] {
    Panel_AutoName.setVisible(true);
    Panel_Auto_Set.setVisible(false);
    if (!Edit_Auto_Name.text().empty()) ProposeNumbered();
  };
  ButtonAuto_Kaku.onClick = [this] {
    Panel_AutoName.setVisible(false);
    Panel_Auto_Set.setVisible(false);
    ShowExtensionFields();
    if (!Edit1.text().empty()) ProposeExtension();
  };
  ColorBtn2.onClick = [this] {
    Panel_AutoName.setVisible(false);
    Panel_Auto_Set.setVisible(true);
    ShowExtensionFields();
  };
  Label1.onClick = [this] {
    Panel_Auto_Set.setVisible(true);
    ShowExtensionFields();
  };
  for (ui::Edit* e : {&Edit_Auto_Name, &Edit_Auto_No}) e->onChange = [this] { ProposeNumbered(); };
  Btn_Auto_Name.onClick = [this] { ProposeNumbered(); };
  for (ui::Edit* e : {&Edit1, &Edit2}) e->onChange = [this] { ProposeExtension(); };
  Button5.onClick = [this] { ProposeExtension(); };

  Label4.setBounds(10, 10, 95, 16);
  Msg.setBounds(kNameLeft, 10, kNameWidth, 16);
  LabelLZH_Name.setBounds(10, 10, 95, 16);
  LabelLZH.setBounds(kNameLeft, 10, kNameWidth, 16);
  Label2.setBounds(10, 34, 95, 16);
  LabelOldName.setBounds(kNameLeft, 34, kNameWidth, 16);
  Label3.setBounds(10, 60, 95, 16);
  EditNewName.setBounds(kNameLeft, 57, kNameWidth, 22);
  for (ui::Panel* p : {&Panel_Auto_Set, &Panel_AutoName}) p->setBounds(10, 90, 430, 30);
  ColorBtn1.setBounds(4, 3, 100, 24);
  ButtonAuto_Kaku.setBounds(110, 3, 100, 24);
  ColorBtn2.setBounds(4, 3, 22, 24);
  Edit_Auto_Name.setBounds(30, 4, 150, 22);
  Edit_Auto_No.setBounds(184, 4, 90, 22);
  Btn_Auto_Name.setBounds(278, 3, 60, 24);
  Edit_KETA.setBounds(342, 4, 30, 22);
  Label1.setBounds(14, 93, 50, 24);
  Edit1.setBounds(68, 94, 80, 22);
  Button5.setBounds(152, 93, 60, 24);
  Edit2.setBounds(216, 94, 80, 22);
  Button1.setBounds(30, 132, 90, 27);
  Button2.setBounds(130, 132, 90, 27);
  Button3.setBounds(230, 132, 90, 27);
  Button4.setBounds(330, 132, 90, 27);
  setBounds(0, 0, kDialogWidth, kDialogHeight);
}

void TRENAMEBox::ShowExtensionFields() {
  // The extension fields sit where the panels are; they show only when both are hidden.
  const bool on = ExtensionMode();
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Label1, &Edit1, &Button5, &Edit2}) c->setVisible(on);
}

int TRENAMEBox::TakeDigits() {
  const std::string text = Edit_KETA.text().empty() ? std::string("1") : Edit_KETA.text();
  auto parsed = ParseNumber(text);
  if (!parsed) box_.ShowMessage(text + "\n桁数が不正です・・・\n強制的に１桁に変更します☆☆☆");
  const int digits = ClampDigits(parsed.value_or(1));
  Edit_KETA.setText(std::to_string(digits));
  return digits;
}

void TRENAMEBox::ProposeNumbered() {
  if (Filling || computing_ || !Numbered()) return;
  computing_ = true;
  const int digits = TakeDigits();
  std::string number;
  bool usable = true;
  if (!Edit_Auto_No.text().empty()) {
    auto parsed = ParseNumber(Edit_Auto_No.text());
    if (!parsed || *parsed < 0) {
      box_.ShowMessage(Edit_Auto_No.text() + "\nAUTO_Noが不正です・・・\nAUTO_Noには９桁以内の値を設定して下さい☆☆☆");
      usable = false;
    } else {
      number = PadNumber(*parsed, digits);
    }
  }
  if (usable) EditNewName.setText(NumberedName(Edit_Auto_Name.text(), number, LabelOldName.caption()));
  computing_ = false;
}

void TRENAMEBox::ProposeExtension() {
  if (Filling || computing_ || !ExtensionMode()) return;
  computing_ = true;
  EditNewName.setText(SwappedExtension(EditNewName.text(), LabelOldName.caption(), Edit1.text(), Edit2.text()));
  computing_ = false;
}

void TRENAMEBox::Button1Click() {
  const std::string name = EditNewName.text();
  if (name.empty()) {
    box_.ShowMessage("新しいファイル名を設定して下さい。");
    return;
  }
  const std::string from = Msg.caption() + LabelOldName.caption();
  const std::string to = Msg.caption() + name;
  if (!fs_.fileExists(from)) {
    box_.ShowMessage("リネームエラー： ファイルが見つかりません・・・\n" + from);
    return;
  }
  if (fs_.stat(to)) {
    box_.ShowMessage("リネームエラー：\n同名ファイル、又は、同名フォルダーが存在します・・・\n" + to);
    return;
  }
  if (!fs_.rename(from, to)) {
    box_.ShowMessage("リネームエラー： リネームに失敗しました・・・\n" + from + "\n" + to);
    return;
  }
  ResultPath = to;
  setModalResult(ui::kResultOk);
}

void TRENAMEBox::WidenFor(const std::string& name) {
  const int extra = std::max(0, static_cast<int>(name.size()) * kPixelsPerByte + 12 - kNameWidth);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Msg, &LabelLZH, &LabelOldName, &EditNewName}) {
    const ui::Rect r = c->bounds();
    c->setBounds(r.left, r.top, kNameWidth + extra, r.height);
  }
  setBounds(0, 0, kDialogWidth + extra, kDialogHeight);
}

}  // namespace tools

#include "app/setup_window.h"

#include <initializer_list>

#include "base/path.h"
#include "core/control_ids.h"
#include "core/settings.h"

namespace app {

namespace {

// Every timer of the window fires once.
void OneShot(ui::Timer& t, std::function<void()> step) {
  t.onTimer = [&t, step = std::move(step)] {
    t.setEnabled(false);
    step();
  };
}

// The first stage may still hold the program file a while: Timer3 tries this often.
constexpr int kRemoveAttempts = 20;
// The step text inside Panel_Create; no driver reads it, so it has no entry in the ID table.
constexpr int kLabelCreateId = setup_ids::Panel_Create + 1;

}  // namespace

TBGM_SETUPFM::TBGM_SETUPFM(ui::Application& app, SetupMode mode, SetupContext ctx)
    : ui::Form(app, "BGM_SETUPFM", kSetupWindowClass),
      Label1(add<ui::Label>(this, "Label1", setup_ids::Label1)),
      Edit1(add<ui::Edit>(this, "Edit1", setup_ids::Edit1)),
      Label2(add<ui::Label>(this, "Label2", setup_ids::Label2)),
      ComboBox1(add<ui::ComboBox>(this, "ComboBox1", setup_ids::ComboBox1)),
      CheckBoxST(add<ui::CheckBox>(this, "CheckBoxST", setup_ids::CheckBoxST)),
      CheckBoxBkColor(add<ui::CheckBox>(this, "CheckBoxBkColor", setup_ids::CheckBoxBkColor)),
      ZUMIK_COLOR(add<ui::CheckBox>(this, "ZUMIK_COLOR", setup_ids::ZUMIK_COLOR)),
      Button1(add<ui::Button>(this, "Button1", setup_ids::Button1)),
      Button4(add<ui::Button>(this, "Button4", setup_ids::Button4)),
      Button3(add<ui::Button>(this, "Button3", setup_ids::Button3)),
      Button2(add<ui::Button>(this, "Button2", setup_ids::Button2)),
      Panel_Create(add<ui::Panel>(this, "Panel_Create", setup_ids::Panel_Create)),
      LabelCreate(add<ui::Label>(&Panel_Create, "LabelCreate", kLabelCreateId)),
      Timer_Create(addTimer("Timer_Create", 100)),
      Timer_SetUp(addTimer("Timer_SetUp", 500)),
      Timer_END(addTimer("Timer_END", 1000)),
      Timer1(addTimer("Timer1", 500)),
      Timer_UNSET(addTimer("Timer_UNSET", 500)),
      Timer2(addTimer("Timer2", 500)),
      Timer3(addTimer("Timer3", 500)),
      MKBoxDlg1(app),
      DIR2OPENDLG1(app, files::ChooserServices{ctx.sv.fs, ctx.sv.drives, ctx.sv.clock, base::ExtractFilePath(ctx.programPath)}),
      mode_(mode),
      ctx_(std::move(ctx)),
      plan_({ctx_.sv.reg, ctx_.sv.fs, ctx_.sv.shell, ctx_.programPath, ctx_.sv.fs.windowsFolder()},
            {[this](const std::string& text) { MKBoxDlg1.ShowMessage(text); },
             [this](const std::string& text, bool defaultYes) {
               return MKBoxDlg1.AskYesNoTimed(text, defaultYes ? ui::kResultYes : ui::kResultNo) == ui::kResultYes;
             }}) {
  isDialog = true;
  alwaysOnTop = true;
  MKBoxDlg1.Title = desktop::kProductTitle;
  MKBoxDlg1.SourceHandle = this;
  DIR2OPENDLG1.SourceHandle = this;
  layOut();

  Button1.onClick = [this] {
    DIR2OPENDLG1.Directory = Edit1.text();
    if (DIR2OPENDLG1.Execute("登録するフォルダーの選択") == ui::kResultOk) Edit1.setText(DIR2OPENDLG1.Directory);
  };
  Button4.onClick = [this] { Edit1.setText(plan_.defaultFolder()); };
  Button3.onClick = [this] { Button3Click(); };
  Button2.onClick = [this] {
    MKBoxDlg1.ShowMessage("登録を中止します。");
    close();
  };
  OneShot(Timer_Create, [this] { Timer_CreateTimer(); });
  OneShot(Timer_SetUp, [this] {
    MKBoxDlg1.ShowTimed("インストーラーを再起動します☆\n次の画面で許可すると再起動できます☆\n\n許可画面が出ない時は、\n"
                        "ZUMIKSOFT SETUPグループのセットアップを、\n実行して下さい☆",
                        10);
    plan_.relaunch(relaunchCopy_);
    close();
  });
  OneShot(Timer_END, [this] {
    plan_.finishInstall(choice());
    close();
  });
  OneShot(Timer1, [this] { Timer1Timer(); });
  OneShot(Timer_UNSET, [this] {
    plan_.startStage2(ctx_.chosenDataFolder);
    close();
  });
  OneShot(Timer2, [this] {
    this->app().setTitle("UNINSTALL_ZUMIK000");
    if (plan_.takeHandOver(ctx_.params)) Timer3.setEnabled(true);
    else close();
  });
  OneShot(Timer3, [this] { Timer3Timer(); });

  const bool install = mode_ == SetupMode::Install;
  setCaption(install ? std::string(desktop::kProductTitle) + " 登録"
                     : mode_ == SetupMode::Running ? std::string("インスツール")
                                                   : std::string(desktop::kProductTitle) + " 削除");
  for (ui::Control* c : std::initializer_list<ui::Control*>{&Edit1, &ComboBox1, &CheckBoxST, &CheckBoxBkColor, &Button1,
                                                           &Button4, &Button3, &Button2})
    c->setEnabled(install);
  if (install) {
    Edit1.setText(plan_.initialFolder());
    if (auto groups = plan_.groups().groups()) ComboBox1.setItems(*groups);
    else groupsUnknown_ = true;
    ComboBox1.setCaption(plan_.initialGroup());
    CheckBoxBkColor.setChecked(
        ctx_.sv.reg.readString(platform::Hive::CurrentUser, core::kSettingsKey, "BackColor").value_or("1") != "0");
    Timer_Create.setEnabled(true);
  } else {
    showStep(mode_ == SetupMode::Running ? "セットアップ" : "アンインストール中・・・");
    (mode_ == SetupMode::Uninstall2 ? Timer2 : Timer1).setEnabled(true);
  }
}

void TBGM_SETUPFM::layOut() {
  setBounds(0, 0, 412, 206);
  Label1.setCaption(std::string(desktop::kProductTitle) + " を置くフォルダーの設定：");
  Label1.setBounds(12, 12, 300, 16);
  Edit1.setHint("登録するフォルダーの設定");
  Edit1.setBounds(12, 30, 300, 22);
  Button1.setCaption("参照");
  Button1.setHint("既に存在するフォルダーから選択する時");
  Button1.setBounds(320, 29, 78, 24);
  Label2.setCaption(std::string(desktop::kProductTitle) + " を登録するグループの選択：");
  Label2.setBounds(12, 62, 300, 16);
  ComboBox1.dropDownList = false;
  ComboBox1.setHint("登録グループ名を選びます");
  ComboBox1.setBounds(12, 80, 300, 22);
  Button4.setCaption("初期値");
  Button4.setHint("初期値に戻す");
  Button4.setBounds(320, 79, 78, 24);
  CheckBoxST.setCaption("スタートアップグループにも、アイコンを登録する。");
  CheckBoxST.setBounds(12, 112, 386, 20);
  CheckBoxBkColor.setCaption("標準色");
  CheckBoxBkColor.setBounds(12, 136, 120, 20);
  ZUMIK_COLOR.setVisible(false);
  Panel_Create.setBounds(12, 166, 210, 28);
  showStep("セットアップ");
  LabelCreate.setBounds(8, 6, 194, 16);
  Button3.setCaption("設定");
  Button3.setHint("現在の設定値で登録する");
  Button3.isDefault = true;
  Button3.setBounds(236, 168, 78, 24);
  Button2.setCaption("中止");
  Button2.setHint("インスツールを中止します");
  Button2.isCancel = true;
  Button2.setBounds(320, 168, 78, 24);
}

desktop::InstallChoice TBGM_SETUPFM::choice() const {
  return {Edit1.text(), ComboBox1.text(), CheckBoxST.checked(), CheckBoxBkColor.checked()};
}

void TBGM_SETUPFM::Button3Click() {
  Button3.setEnabled(false);
  app().setBusyCursor(true);
  showStep("登録中・・・");
  const bool done = plan_.install(choice());
  app().setBusyCursor(false);
  if (done) {
    Timer_END.setEnabled(true);
    return;
  }
  showStep("セットアップ");
  Button3.setEnabled(true);
}

void TBGM_SETUPFM::Timer_CreateTimer() {
  if (groupsUnknown_) MKBoxDlg1.ShowMessage("グループ名の取得に失敗しました・・・");
  if (plan_.mayWriteMachineKeys()) return;
  // Without the right to write the uninstall entry, a copy named as a setup program is started,
  // which the system offers to run with that right.
  relaunchCopy_ = plan_.copyForRelaunch();
  Timer_SetUp.setEnabled(true);
}

void TBGM_SETUPFM::Timer1Timer() {
  if (mode_ == SetupMode::Running) {
    MKBoxDlg1.ShowMessage("ｱﾝｲﾝｽﾄｰﾙｴﾗｰ：ソフトが起動中です。\n終了しないとｱﾝｲﾝｽﾄｰﾙ出来ません。");
    close();
    return;
  }
  if (plan_.uninstall(ctx_.dataFolder)) Timer_UNSET.setEnabled(true);
  else close();
}

void TBGM_SETUPFM::Timer3Timer() {
  if (plan_.removeProgram() || ++removeAttempts_ >= kRemoveAttempts) close();
  else Timer3.setEnabled(true);
}

void RunSetupWindow(ui::Application& app, SetupMode mode, SetupContext ctx) {
  TBGM_SETUPFM form(app, mode, std::move(ctx));
  const ui::Rect area = app.workArea();
  const ui::Rect b = form.bounds();
  form.setBounds(area.left + (area.width - b.width) / 2, area.top + (area.height - b.height) / 2, b.width, b.height);
  app.mainForm = &form;
  form.show();
  app.loop().runUntil([&] { return app.terminated() || form.closed(); });
  app.mainForm = nullptr;
}

}  // namespace app

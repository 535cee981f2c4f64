#pragma once
// TBGM_SETUPFM: the setup window. The same program installs itself from it, and uninstalls
// itself in two stages (the questions and the clean-up, then the uninstaller copy deleting the
// program file); started during a run it only says that it cannot uninstall.
#include <string>
#include <vector>

#include "app/startup.h"
#include "core/services.h"
#include "desktop/setup_plan.h"
#include "dialogs/Mkdlg.h"
#include "files/D2OPENDLG.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/widgets.h"

namespace app {

struct SetupContext {
  core::Services& sv;
  std::string programPath;
  std::vector<std::string> params;
  std::string dataFolder;        // the program's folder, with "\"
  std::string chosenDataFolder;  // a data folder the user registered, or "@@@@@\"
};

class TBGM_SETUPFM : public ui::Form {
 public:
  TBGM_SETUPFM(ui::Application& app, SetupMode mode, SetupContext ctx);

  ui::Label& Label1;
  ui::Edit& Edit1;
  ui::Label& Label2;
  ui::ComboBox& ComboBox1;
  ui::CheckBox& CheckBoxST;
  ui::CheckBox& CheckBoxBkColor;
  ui::CheckBox& ZUMIK_COLOR;
  ui::Button& Button1;
  ui::Button& Button4;
  ui::Button& Button3;
  ui::Button& Button2;
  ui::Panel& Panel_Create;
  ui::Label& LabelCreate;  // the step the setup is at, inside Panel_Create
  ui::Timer& Timer_Create;
  ui::Timer& Timer_SetUp;
  ui::Timer& Timer_END;
  ui::Timer& Timer1;
  ui::Timer& Timer_UNSET;
  ui::Timer& Timer2;
  ui::Timer& Timer3;
  dialogs::TMKBoxDlg MKBoxDlg1;
  files::TDIR2OPENDLG DIR2OPENDLG1;

 private:
  void layOut();
  void showStep(const std::string& text) { LabelCreate.setCaption(text); }
  desktop::InstallChoice choice() const;
  void Button3Click();
  void Timer_CreateTimer();
  void Timer1Timer();
  void Timer3Timer();

  SetupMode mode_;
  SetupContext ctx_;
  desktop::SetupPlan plan_;
  bool groupsUnknown_ = false;
  std::string relaunchCopy_;
  int removeAttempts_ = 0;
};

// Runs the setup window until it closes; the process then ends.
void RunSetupWindow(ui::Application& app, SetupMode mode, SetupContext ctx);

}  // namespace app

// The views the main window hands its subsystems: references to just the controls each uses.
#include "app/Zelcoru.h"
#include "schedule/schedule_panel.h"

namespace app {

// --- schedule ---
schedule::SchedulePanelView TZELCOR32ZUMIK::schedulePanelView() {
  return {*this,           Panel_JK,      ListBox_JK, ComboBox_TM_Mode, ComboBox_TM_SUB, Label_JK_MODE,
          Label_JK_TM,     Label_JK_KOSU, Panel_JK_DISP, Button_JK,      ComboBox1,       Button11,
          Btn_M_EDIT,      [this](bool on) { ShowPanel(Panel_JK, on); }};
}

}  // namespace app

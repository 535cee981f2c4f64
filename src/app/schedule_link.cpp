#include "app/schedule_link.h"

#include "app/Zelcoru.h"

namespace app {

void ScheduleLink::RequestStop() {
  w_.S.run.StopRequested = true;
  w_.app().processMessages();
}

void ScheduleLink::PlayMemory(const std::string& memory, int playMode) {
  w_.RadioGroup1.setItemIndex(playMode);
  if (!w_.MemoryViewShown()) w_.Button9Click();
  // A memory that no longer exists leaves the open one to play.
  const int at = w_.ComboBox1.indexOf(memory);
  if (memory != w_.S.settings.currentMemory && at >= 0) {
    w_.app().processMessages();
    w_.ComboBox1.userSelect(at);
  }
  if (!w_.CheckBox1.checked()) w_.CheckBox1.setChecked(true);
  w_.Button2.click();
}

void ScheduleLink::CloseProgram(bool shutDownWindows) {
  if (shutDownWindows) {
    // The close then ends through the end-of-play shutdown.
    w_.S.run.CloseAfterPlay = true;
    if (!w_.S.settings.endWin) w_.ME_AUTO_OFF_WINClick();
  }
  w_.close();
}

}  // namespace app

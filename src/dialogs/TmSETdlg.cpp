#include "dialogs/TmSETdlg.h"

namespace dialogs {

int TTmSETBoxDlg::Execute(const std::string& title) {
  NumberRequest r;
  r.msg0 = Msg0;
  r.msg1 = Msg1;
  r.msg2 = Msg2;
  r.minCount = MinCount;
  r.value = TCount;
  r.title = title;
  r.hms = HMS;
  r.over = SourceHandle ? SourceHandle : app_.mainForm;
  int result = 0;
  {
    TTMSETBox box(app_, r);
    current_ = &box;
    result = box.showModal();
    if (result == ui::kResultOk) TCount = box.value();
    current_ = nullptr;
  }
  return result;
}

}  // namespace dialogs

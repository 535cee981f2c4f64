#include "app/compose.h"

#include "playback/playback.h"

namespace app {

std::unique_ptr<TZELCOR32ZUMIK> ComposePlayer(PlayerParts parts) {
  auto window = std::make_unique<TZELCOR32ZUMIK>(parts.application, parts.services, parts.dataFolder,
                                                 std::move(parts.params));
  TZELCOR32ZUMIK& w = *window;
  w.Player().setMediaPlayer(parts.mp3Component);
  w.Archives.setLibrary(parts.archiveLibrary);
  parts.application.mainForm = &w;
  w.onCloseQuery = [&w](bool& canClose) { w.FormCloseQuery(canClose); };
  w.onMessage = [&w, system = std::move(parts.systemMessages)](unsigned msg, std::uintptr_t wp, std::intptr_t lp,
                                                                std::intptr_t& result) {
    if (msg == platform::kMciNotifyMessage) {
      w.Player().MciNotify(static_cast<unsigned>(wp));
      result = 0;
      return true;
    }
    return system && system(w, msg, wp, lp, result);
  };
  w.FormCreate();
  w.show();
  parts.services.mci.setNotifyTarget(w.handle, [&w](unsigned flags) { w.Player().MciNotify(flags); });
  return window;
}

}  // namespace app

// Closing: the guard, the refusal while busy, stopping for good, saving, the shutdown.
#include "app/Zelcoru.h"
#include "app/data_folder.h"
#include "base/line_file.h"

namespace app {

void TZELCOR32ZUMIK::FormCloseQuery(bool& canClose) {
  canClose = true;
  if (S.run.ClosingGuard) return;
  S.run.ClosingGuard = true;
  app().setBusyCursor(true);
  S.run.StopRequested = true;
  S.run.CloseRequested = true;
  app().processMessages();
  setAcceptFiles(false);
  if (S.run.InitDone != 99) {
    // Start-up never finished: nothing is saved. The box counts down, so an unattended
    // close is not held up.
    MKBoxDlg1.ShowTimed(S.InitErrorPrefix + "メモリーが確保できませんでした。\n強制終了します。", 1);
    app().setBusyCursor(false);
    return;
  }
  if (S.run.BusyBatch || S.run.BusyArchive || S.run.BusyBulkAdd) {
    Sv.shell.beepExclamation();
    canClose = false;
    app().setBusyCursor(false);
    S.run.ClosingGuard = false;
    S.run.CloseRequested = false;
    setAcceptFiles(true);
    return;
  }
  stopEverything();
  saveAll();
  app().setBusyCursor(false);
  app().processMessages();
  app().loop().sleep(300);
  app().processMessages();
  cleanWorkingFolders();
  app().processMessages();
  if (S.run.CloseAfterPlay && S.settings.endWin) ShutdownWindows();
}

void TZELCOR32ZUMIK::stopEverything() {
  S.run.BulkAddStop = true;
  app().processMessages();
  S.run.StopRequested = true;
  Button5.click();
  for (Subsystem* s : subsystems_) {
    try {
      s->stopForGood();
    } catch (const std::exception&) {
    }
    app().processMessages();
  }
  S.run.ShutDown = true;
  for (ui::Timer* t : {&Timer2, &Timer3, &Timer4, &Timer5, &Timer11, &TimerCD_LOOP, &TimerSEEK, &TimerPlayStart,
                       &Timer_MP3_LOOP}) {
    t->setInterval(0);
    t->setEnabled(false);
  }
  Timer_MP3_Start.setEnabled(false);
}

void TZELCOR32ZUMIK::saveAll() {
  // Each step on its own: one that fails is skipped and the next still runs.
  auto step = [](const std::function<void()>& f) {
    try {
      f();
    } catch (const std::exception&) {
    }
  };
  step([this] {
    if (!S.settings.deleteExtracted || S.LastExtractedFile.empty()) return;
    for (int tries = 0; tries < 10 && Sv.fs.fileExists(S.LastExtractedFile); ++tries)
      Sv.fs.removeFile(S.LastExtractedFile);
    S.LastExtractedFile.clear();
  });
  for (Subsystem* s : subsystems_) step([s] { s->saveAtClose(); });
  // The memories, the folder history with DriveLastFolders and the shown schedule set are
  // saved by their subsystems above.
  if (!core::WriteSettings(Sv.reg, CollectSettings()))
    MKBoxDlg1.ShowTimed("データ格納処理に失敗しました・・・", 1);
}

void TZELCOR32ZUMIK::cleanWorkingFolders() {
  CleanWorkingFolder(S.TempFolder, Sv.fs);
  CleanWorkingFolder(S.PopFolder, Sv.fs);
}

void TZELCOR32ZUMIK::EndSession() {
  // Windows is ending the session: keep the lists and settings, ask nothing.
  if (S.run.InitDone != 99 || S.run.ClosingGuard) return;
  S.run.ClosingGuard = true;
  S.run.CloseRequested = true;
  stopEverything();
  saveAll();
  cleanWorkingFolders();
}

std::string TZELCOR32ZUMIK::ShutdownErrorText(const std::string& prefix, std::uint32_t code) {
  if (code == 5) return prefix + "\nシャットダウンの権限がありません";
  return prefix + "\n  ErrorCode = " + std::to_string(code);
}

std::string TZELCOR32ZUMIK::GetShutdownRight() {
  platform::SystemResult r = Sv.power.enableShutdownPrivilege();
  return r.ok ? "NT" : ShutdownErrorText("特権の取得に失敗", r.lastError);
}

void TZELCOR32ZUMIK::ShutdownWindows() {
  if (GetShutdownRight() != "NT") {
    platform::SystemResult again = Sv.power.enableShutdownPrivilege();
    MKBoxDlg1.ShowTimed(ShutdownErrorText("シャットダウン失敗", again.lastError), 1);
    return;
  }
  platform::SystemResult r = Sv.power.exitWindows(8);
  if (!r.ok) MKBoxDlg1.ShowTimed(ShutdownErrorText("シャットダウン失敗", r.lastError), 1);
}

}  // namespace app

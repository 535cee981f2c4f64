#pragma once
// WAV to MP3 conversion of the selected rows, one file at a time. The encoding of a file runs
// on a worker thread while the window stays responsive; a poll timer shows the progress in
// the title, passes "中断" on and finishes the file. Each file is written as the temporary
// "ZUMIK$$.WaV" in the save folder and only a complete one is renamed to the final name.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/services.h"
#include "core/shared_state.h"
#include "core/subsystem.h"
#include "dialogs/Mkdlg.h"
#include "dialogs/SNdlg.h"
#include "mp3/wav_to_mp3.h"
#include "ui/timer.h"

namespace tools {

inline constexpr char kMp3TempName[] = "ZUMIK$$.WaV";

class Mp3Conversion : public core::Subsystem {
 public:
  Mp3Conversion(ui::Timer& poll, core::SharedState& state, core::Services& services, dialogs::TMKBoxDlg& box);
  ~Mp3Conversion() override;
  // Closing writes a record that was never shown, so no conversion goes unreported.
  void saveAtClose() override;

  // The window's title while a file converts, and back to what it was ("" restores).
  std::function<void(const std::string&)> setTitle;
  // The window closes after the batch when "再生停止時、終了する" is ticked.
  std::function<void()> closeWindow;
  // Extracts the entry of an archive row ("/" archive "/" entry) to LZH_POPM: the copy's
  // path, or "" when it could not be extracted.
  std::function<std::string(const std::string& row)> extractEntry;

  // P_MP3_HENKANClick: rows of a play list; bare names are taken in folderPrefix.
  void Convert(const std::vector<std::string>& rows, const std::string& folderPrefix);
  bool Running() const { return running_; }

  // The conversion record and its commands.
  std::vector<std::string> Record;
  bool RecordShown = false;  // a record report has been written
  void ShowRecord(bool automatic);  // MP3_KIROKUClick (automatic: at the end of a batch)
  void ClearRecord();               // MP3_KIROKUCLRClick
  void ShowLastRecord();            // MP3_TXTClick

  // P_MP3_SNClick: the format in use, chosen by name; the caption of P_MP3_SN.
  void ChooseFormat(dialogs::TSNBoxDlg& input);
  std::string FormatCaption();
  // P_MP3_SN_NEWClick: a new named format from the format dialog.
  void CreateFormat(ui::Application& app);

 private:
  void fileLoop();
  bool startFile(const std::string& source);
  void pollTick();
  void finishFile();
  void endBatch();
  // A self-closing message; its "中断" sets the stop request.
  void tell(const std::string& text, int seconds);

  ui::Timer& poll_;
  core::SharedState& s_;
  core::Services& sv_;
  dialogs::TMKBoxDlg& box_;

  bool running_ = false;
  std::vector<std::string> rows_;
  std::string prefix_;
  std::size_t next_ = 0;
  int converted_ = 0;
  std::string source_, temp_, final_;
  std::string extracted_;  // the copy of an archive entry being converted

  // Between the worker and the poll timer.
  std::thread worker_;
  std::atomic<bool> done_{false}, cancel_{false};
  std::atomic<int> permille_{0};
  zelcor::mp3::ConversionResult result_;
};

}  // namespace tools

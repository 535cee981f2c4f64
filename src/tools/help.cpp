#include "tools/help.h"

#include "base/path.h"
#include "tools/report.h"

namespace tools {

std::string OpenHelp(platform::FileSystem& fs, platform::Shell& shell, const std::string& programFolder) {
  const std::string folder = base::AddTrailingSlash(programFolder);
  const std::string compiled = folder + kHelpFileName;
  const std::string guide = folder + kGuideFileName;
  if (fs.fileExists(compiled) && shell.run("hh.exe \"" + compiled + "\"")) return "";
  if (fs.fileExists(guide)) {
    if (shell.run(NotepadCommand(guide))) return "";
    return "メモ帳を起動できませんでした・・・\n" + guide;
  }
  return "ヘルプファイルが見つかりません・・・\n" + guide;
}

}  // namespace tools

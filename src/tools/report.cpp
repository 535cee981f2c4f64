#include "tools/report.h"

#include "base/format.h"
#include "base/line_file.h"
#include "base/path.h"

namespace tools {

namespace {
std::string separator() {
  std::string s;
  for (int i = 0; i < 20; ++i) s += "－";
  return s;
}
}  // namespace

std::vector<std::string> ReportLines(const std::string& title, const std::string& countText,
                                     const std::vector<std::string>& items, const platform::DateTime& now) {
  std::vector<std::string> lines;
  lines.reserve(items.size() + 4);
  lines.push_back(title + base::FormatDateTime("yy/mm/dd ddd hh:mm:ss ", now));
  lines.push_back(std::to_string(items.size()) + countText);
  lines.push_back(separator());
  lines.insert(lines.end(), items.begin(), items.end());
  lines.push_back(separator());
  return lines;
}

std::string NotepadCommand(const std::string& path) { return "notepad.exe \"" + path + "\" "; }

bool ShowReport(platform::FileSystem& fs, platform::Shell& shell, platform::Clock& clock,
                const std::string& dataFolder, const std::string& title, const std::string& countText,
                const std::vector<std::string>& items) {
  return OpenInNotepad(fs, shell, dataFolder, kReportFileName, ReportLines(title, countText, items, clock.now()));
}

bool OpenInNotepad(platform::FileSystem& fs, platform::Shell& shell, const std::string& dataFolder,
                   const std::string& fileName, const std::vector<std::string>& lines) {
  const std::string path = base::AddTrailingSlash(dataFolder) + fileName;
  if (!base::SaveLines(fs, path, lines)) return false;
  fs.setCurrentFolder(base::StripTrailingSlash(dataFolder));
  shell.run(NotepadCommand(path));
  return true;
}

}  // namespace tools

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
                                     const std::vector<std::string>& items, const platform::DateTime& now,
                                     const std::string& rule) {
  const std::string line = rule.empty() ? separator() : rule;
  std::vector<std::string> lines;
  lines.reserve(items.size() + 4);
  lines.push_back(title + base::FormatDateTime("yy/mm/dd ddd hh:mm:ss ", now));
  lines.push_back(std::to_string(items.size()) + countText);
  lines.push_back(line);
  lines.insert(lines.end(), items.begin(), items.end());
  lines.push_back(line);
  return lines;
}

std::string NotepadCommand(const std::string& path) { return "notepad.exe \"" + path + "\" "; }

bool OpenReport(platform::FileSystem& fs, platform::Shell& shell, const std::string& dataFolder,
                const std::string& fileName) {
  fs.setCurrentFolder(base::StripTrailingSlash(dataFolder));
  return shell.run(NotepadCommand(base::AddTrailingSlash(dataFolder) + fileName));
}

bool WriteReport(platform::FileSystem& fs, platform::Shell& shell, const std::string& dataFolder,
                 const std::string& fileName, const std::vector<std::string>& lines, bool open) {
  if (!base::SaveLines(fs, base::AddTrailingSlash(dataFolder) + fileName, lines)) return false;
  if (open) OpenReport(fs, shell, dataFolder, fileName);
  return true;
}

bool ShowTextReport(platform::FileSystem& fs, platform::Shell& shell, const std::string& dataFolder,
                    const std::string& fileName, const std::vector<std::string>& lines) {
  return base::SaveLines(fs, base::AddTrailingSlash(dataFolder) + fileName, lines) &&
         OpenReport(fs, shell, dataFolder, fileName);
}

bool ShowReport(platform::FileSystem& fs, platform::Shell& shell, platform::Clock& clock,
                const std::string& dataFolder, const std::string& title, const std::string& countText,
                const std::vector<std::string>& items, const std::string& fileName) {
  return WriteReport(fs, shell, dataFolder, fileName, ReportLines(title, countText, items, clock.now()));
}

}  // namespace tools

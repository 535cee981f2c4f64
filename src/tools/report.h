#pragma once
// The report every batch command leaves behind: "COPY_Er$.TXT" in the data folder, opened in
// Notepad so the user sees at once what was changed or refused.
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/system.h"

namespace tools {

inline constexpr char kReportFileName[] = "COPY_Er$.TXT";

// Title with the time, count with its text, the items between two separators.
std::vector<std::string> ReportLines(const std::string& title, const std::string& countText,
                                     const std::vector<std::string>& items, const platform::DateTime& now);

// The command line that opens a text file of the data folder in Notepad.
std::string NotepadCommand(const std::string& path);

// Writes lines as the report file fileName of the data folder (CP932, CR LF, replaced
// atomically), makes the data folder current and opens the file in Notepad. False when the
// file could not be written (Notepad is then not started).
bool OpenInNotepad(platform::FileSystem& fs, platform::Shell& shell, const std::string& dataFolder,
                   const std::string& fileName, const std::vector<std::string>& lines);

// Writes the report (CP932, CR LF, replaced atomically), makes the data folder current and
// opens it in Notepad. False when the file could not be written (Notepad is then not started).
bool ShowReport(platform::FileSystem& fs, platform::Shell& shell, platform::Clock& clock,
                const std::string& dataFolder, const std::string& title, const std::string& countText,
                const std::vector<std::string>& items);

}  // namespace tools

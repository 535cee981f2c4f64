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

// Title with the time, count with its text, the items between two rules (by default 20
// full-width dashes).
std::vector<std::string> ReportLines(const std::string& title, const std::string& countText,
                                     const std::vector<std::string>& items, const platform::DateTime& now,
                                     const std::string& rule = {});

// The command line that opens a text file of the data folder in Notepad.
std::string NotepadCommand(const std::string& path);

// Writes lines as fileName in the data folder (CP932, CR LF, replaced atomically), makes the
// data folder current and starts Notepad on it. False when the file could not be written or
// Notepad could not be started.
bool ShowTextReport(platform::FileSystem& fs, platform::Shell& shell, const std::string& dataFolder,
                    const std::string& fileName, const std::vector<std::string>& lines);

// Writes a report file of the data folder (CP932, CR LF, replaced atomically), then, when
// asked, makes the data folder current and opens the file in Notepad. False when the file
// could not be written.
bool WriteReport(platform::FileSystem& fs, platform::Shell& shell, const std::string& dataFolder,
                 const std::string& fileName, const std::vector<std::string>& lines, bool open = true);

// Makes the data folder current and opens one of its files in Notepad; false when Notepad
// could not be started.
bool OpenReport(platform::FileSystem& fs, platform::Shell& shell, const std::string& dataFolder,
                const std::string& fileName);

// Writes the report (CP932, CR LF, replaced atomically), makes the data folder current and
// opens it in Notepad. False when the file could not be written (Notepad is then not started).
bool ShowReport(platform::FileSystem& fs, platform::Shell& shell, platform::Clock& clock,
                const std::string& dataFolder, const std::string& title, const std::string& countText,
                const std::vector<std::string>& items, const std::string& fileName = kReportFileName);

}  // namespace tools

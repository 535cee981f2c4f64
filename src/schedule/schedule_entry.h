#pragma once
// One schedule entry is one line "hh:mm K" (end) or "hh:mm K name" (start); the time is the
// key of a set, which is kept in text order (time order).
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/system.h"

namespace schedule {

// Kind letters in the order of their radio items: start "@ 連続", "G 逆連", "R ランダム";
// end "E 停止", "C 終了", "W WIN終了".
inline constexpr char kStartKinds[] = "@GR";
inline constexpr char kEndKinds[] = "ECW";
inline constexpr char kCopyFileName[] = "COPY_JK.TXT";

// The letter of a radio index; any other index gives the first kind.
char StartKindLetter(int radioIndex);
char EndKindLetter(int radioIndex);
// Index of letter in kinds, -1 when it is not one of them.
int KindIndex(const char* kinds, char letter);

// "hh:mm" with a two-digit hour 00..23 and minute 00..59.
bool IsValidTime(const std::string& time);
// The first five characters of a line as its time (the whole line when shorter).
std::string EntryTime(const std::string& line);
std::string StartEntry(const std::string& time, char kind, const std::string& memory);
std::string EndEntry(const std::string& time, char kind);

// Index of the line registered at time, -1 when none: the panel asks before replacing it.
int FindEntryAt(const std::vector<std::string>& lines, const std::string& time);
// The question asked before a registered time is replaced.
std::string ReplaceQuestion(const std::string& time);
// Puts line in time order, replacing the line of the same time; returns its index.
int PutEntry(std::vector<std::string>& lines, const std::string& line);

// The time labels' spin buttons: one hour round 00..23, one minute round 00..59.
std::string SpinHour(const std::string& hour, int delta);
std::string SpinMinute(const std::string& minute, int delta);
std::string TwoDigits(int value);

// Why a pasted line cannot be registered in lines (empty when it can); the checks run in
// order and the first failing one answers.
std::string PastedLineError(const std::string& line, const std::vector<std::string>& lines,
                            const std::vector<std::string>& memoryNames);

// Pastes the lines of the schedule clipboard file into lines; lines that cannot be registered
// go to a report opened in Notepad. Returns the index of the last line added, -1 when none.
int PasteCopiedEntries(platform::FileSystem& fs, platform::Shell& shell, platform::Clock& clock,
                       const std::string& dataFolder, std::vector<std::string>& lines,
                       const std::vector<std::string>& memoryNames);
// Writes every line to the schedule clipboard file.
bool CopyEntries(platform::FileSystem& fs, const std::string& dataFolder, const std::vector<std::string>& lines);

}  // namespace schedule

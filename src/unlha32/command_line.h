#pragma once
#include <optional>
#include <string>
#include <vector>

namespace unlha {

// One command for the library: " e -m -n "ARC" "DIR\" "NAME" " and the like.
struct CommandLine {
  char command = 0;                   // lower case: a e x d l v t
  std::vector<std::string> switches;  // with their "-"
  std::string archive;
  std::string destination;            // e/x only: the argument ending in "\" or "/"
  std::vector<std::string> names;     // entry names, patterns, or files to add
};

// Blanks separate arguments; double quotes group (no escapes: a folder ends
// in "\" right before its closing quote). Unquoted arguments starting with
// "-" are switches. Nothing when no command or no archive is given.
std::optional<CommandLine> parseCommandLine(const std::string& text);

}  // namespace unlha

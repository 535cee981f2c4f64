#pragma once
// A fresh data folder for one run of the player: the player keeps its data next to its exe,
// so every run gets its own copy of the built exe in a new temporary folder.
#include <cstdint>
#include <string>

#include "test_sounds.h"
#include <vector>

namespace e2e {

// The built zelcor32.exe as a Windows path (ZELCOR_EXE in the environment overrides it).
std::wstring BuiltPlayerExe();

class PlayerFolder {
 public:
  // Copies the built exe into a new folder under the temp folder, named exeName there.
  explicit PlayerFolder(const std::wstring& exeName = L"zelcor32.exe");
  ~PlayerFolder();
  PlayerFolder(const PlayerFolder&) = delete;
  PlayerFolder& operator=(const PlayerFolder&) = delete;

  const std::wstring& path() const { return path_; }  // with a trailing backslash
  const std::wstring& exe() const { return exe_; }
  // Writes a file into the folder and returns its full path.
  std::wstring writeFile(const std::wstring& name, const std::string& bytes) const;
  // Makes a subfolder and returns its full path (no trailing backslash).
  std::wstring makeFolder(const std::wstring& name) const;
  // The CR LF lines of a file in the folder, empty ones included; none when it is missing.
  std::vector<std::string> readLines(const std::wstring& name) const;

 private:
  std::wstring path_;
  std::wstring exe_;
};

// A path of the host (a Unix path) as the player sees it under Wine.
std::wstring HostPath(const std::string& unixPath);

using testsounds::MidiFile;
using testsounds::SilentWav;
using testsounds::ToneWav;

}  // namespace e2e

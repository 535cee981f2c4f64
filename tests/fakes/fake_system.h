#pragma once
// Recording doubles of the smaller system services. Nothing here starts a program,
// touches the clipboard or shuts anything down.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/system.h"

namespace fakes {

class FakeShell : public platform::Shell {
 public:
  bool runSucceeds = true;
  std::vector<std::string> runs;
  int beeps = 0;
  std::string clipboard;

  bool run(const std::string& commandLine) override {
    runs.push_back(commandLine);
    return runSucceeds;
  }
  void beepExclamation() override { ++beeps; }
  bool setClipboardText(const std::string& text) override {
    clipboard = text;
    return true;
  }
  std::string program = "C:\\ZELCOR\\zelcor32.exe";
  std::string programPath() override { return program; }
  // A shortcut is a file whose text is its target, on the file system files (when set).
  platform::FileSystem* files = nullptr;
  bool createShortcut(const std::string& link, const std::string& target, const std::string&) override {
    return files && files->writeAtomic(link, target);
  }
};

class FakePower : public platform::Power {
 public:
  platform::SystemResult privilegeResult{true, 0};
  platform::SystemResult exitResult{true, 0};
  int privilegeCalls = 0;
  std::vector<std::uint32_t> exitCalls;

  platform::SystemResult enableShutdownPrivilege() override {
    ++privilegeCalls;
    return privilegeResult;
  }
  platform::SystemResult exitWindows(std::uint32_t flags) override {
    exitCalls.push_back(flags);
    return exitResult;
  }
};

// Windows of the given classes "exist"; forwarded texts are recorded whole, as the receiver
// gets them by atom or, when too long for one, as a copy.
class FakeInstanceLink : public platform::InstanceLink {
 public:
  std::set<std::string> windowClasses;
  std::vector<std::pair<std::string, std::string>> received;  // class, text

  bool windowExists(const std::string& windowClass) override;
  bool forward(const std::string& windowClass, const std::string& text) override;
};

// Settings files by name (as given, upper-cased), section and key.
class FakeProfileStrings : public platform::ProfileStrings {
 public:
  std::map<std::string, std::map<std::string, std::map<std::string, std::string>>> files;
  std::vector<std::string> readFiles;  // the file name of every read
  std::string read(const std::string& file, const std::string& section, const std::string& key) override {
    readFiles.push_back(file);
    std::string name = file;
    for (auto& c : name)
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    auto f = files.find(name);
    if (f == files.end()) return {};
    auto s = f->second.find(section);
    if (s == f->second.end()) return {};
    auto k = s->second.find(key);
    return k == s->second.end() ? std::string() : k->second;
  }
};

}  // namespace fakes

#pragma once
// A fresh folder under the system's temporary folder, removed with its contents at the end.
#include <string>

namespace wintest {

// Removes folder with everything in it, read-only files included.
void RemoveTree(const std::string& folder);

class TempFolder {
 public:
  explicit TempFolder(const std::string& name);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }  // with a trailing "\"

 private:
  std::string path_;
};

}  // namespace wintest

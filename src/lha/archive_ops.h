#pragma once
#include <string>
#include <vector>

#include "lha/file_system.h"
#include "lha/method.h"

namespace lha {

enum class OpResult {
  Ok,
  NoMatch,       // no entry matched the names given
  NoArchive,     // the archive file could not be read
  BadArchive,    // a header is corrupt or the archive is truncated
  BadData,       // an entry failed to decode or its CRC did not match
  UnsafeName,    // an entry name would leave the target folder
  Unsupported,   // method or entry kind this library does not handle
  ReadFailed,    // a file to add could not be read
  WriteFailed,
};

// Messages for the caller's output text accumulate here.
struct OpLog {
  std::string text;
  void line(const std::string& s) { text += s + "\r\n"; }
};

struct FileToAdd {
  std::string path;       // where to read it
  std::string entryName;  // name to store, "/"-separated
};

class ArchiveOps {
public:
  explicit ArchiveOps(FileSystem& fs) : fs_(fs) {}

  // Extracts entries matching any pattern (all when none) below destDir.
  // keepFolders false writes every entry directly into destDir.
  OpResult extract(const std::string& archive, const std::string& destDir, const std::vector<std::string>& patterns,
                   bool keepFolders, OpLog& log);
  // Decodes every entry and checks its CRC without writing anything.
  OpResult test(const std::string& archive, OpLog& log);
  OpResult list(const std::string& archive, OpLog& log);
  // Removes matching entries; the archive is rewritten only when one matched.
  OpResult remove(const std::string& archive, const std::vector<std::string>& patterns, OpLog& log);
  // Adds files, creating the archive when missing and replacing entries of
  // the same name (ASCII case ignored).
  OpResult add(const std::string& archive, const std::vector<FileToAdd>& files, Method method, OpLog& log);

private:
  OpResult load(const std::string& archive, std::vector<uint8_t>& bytes, std::vector<struct Entry>& entries,
                OpLog& log);
  OpResult extractOne(const std::vector<uint8_t>& bytes, const struct Entry& e, const std::string& destDir,
                      bool keepFolders, OpLog& log);
  OpResult rewrite(const std::string& archive, const std::vector<uint8_t>& content, OpLog& log);

  FileSystem& fs_;
};

}  // namespace lha

#include "lha/archive_ops.h"

#include "lha/archive.h"
#include "lha/entry_path.h"
#include "base/sjis.h"
#include "lha/sjis.h"

namespace lha {
namespace {

class DiscardSink : public ByteSink {
public:
  bool write(const uint8_t*, size_t) override { return true; }
};

bool matchesAny(const std::vector<std::string>& patterns, const std::string& name) {
  if (patterns.empty()) return true;
  for (const std::string& p : patterns)
    if (matchesPattern(p, name)) return true;
  return false;
}

std::string joinPath(const std::string& dir, const std::string& rel) {
  if (dir.empty()) return rel;
  return sjis::endsWithSeparator(dir) ? dir + rel : dir + "/" + rel;
}

const char* describe(ExtractStatus st) {
  switch (st) {
    case ExtractStatus::Corrupt: return "corrupt data";
    case ExtractStatus::CrcMismatch: return "CRC mismatch";
    case ExtractStatus::Unsupported: return "unsupported method";
    case ExtractStatus::WriteFailed: return "write error";
    case ExtractStatus::Ok: break;
  }
  return "ok";
}

OpResult toResult(ExtractStatus st) {
  switch (st) {
    case ExtractStatus::Ok: return OpResult::Ok;
    case ExtractStatus::Unsupported: return OpResult::Unsupported;
    case ExtractStatus::WriteFailed: return OpResult::WriteFailed;
    default: return OpResult::BadData;
  }
}

// Keeps the first failure; later ones are only logged.
void note(OpResult& overall, OpResult r) {
  if (overall == OpResult::Ok) overall = r;
}

}  // namespace

OpResult ArchiveOps::load(const std::string& archive, std::vector<uint8_t>& bytes, std::vector<Entry>& entries,
                          OpLog& log) {
  if (!fs_.readFile(archive, bytes)) {
    log.line("cannot read archive: " + archive);
    return OpResult::NoArchive;
  }
  if (!listEntries(bytes.data(), bytes.size(), entries)) {
    log.line("broken archive: " + archive);
    return OpResult::BadArchive;
  }
  return OpResult::Ok;
}

OpResult ArchiveOps::extractOne(const std::vector<uint8_t>& bytes, const Entry& e, const std::string& destDir,
                                bool keepFolders, OpLog& log) {
  if (e.isDirectory() && !keepFolders) return OpResult::Ok;
  std::optional<std::string> rel = safeRelativePath(e.name, keepFolders);
  if (!rel) {
    log.line("unsafe name refused: " + e.name);
    return OpResult::UnsafeName;
  }
  if (e.isSymlink()) {
    log.line("symbolic link skipped: " + e.name);
    return OpResult::Unsupported;
  }
  std::string target = joinPath(destDir, *rel);
  if (e.isDirectory()) return fs_.makeDirectories(target) ? OpResult::Ok : OpResult::WriteFailed;
  size_t slash = rel->rfind('/');
  if (slash != std::string::npos && !fs_.makeDirectories(joinPath(destDir, rel->substr(0, slash)))) {
    log.line("cannot create folder for: " + e.name);
    return OpResult::WriteFailed;
  }
  std::unique_ptr<OutputFile> out = fs_.create(target);
  if (!out) {
    log.line("cannot create: " + target);
    return OpResult::WriteFailed;
  }
  ExtractStatus st = extractEntry(bytes.data(), bytes.size(), e, *out);
  if (st == ExtractStatus::Ok && !out->commit(e.mtime)) st = ExtractStatus::WriteFailed;
  if (st != ExtractStatus::Ok) {
    log.line(std::string(describe(st)) + ": " + e.name);
    return toResult(st);
  }
  log.line("extracted: " + e.name);
  return OpResult::Ok;
}

OpResult ArchiveOps::extract(const std::string& archive, const std::string& destDir,
                             const std::vector<std::string>& patterns, bool keepFolders, OpLog& log) {
  std::vector<uint8_t> bytes;
  std::vector<Entry> entries;
  OpResult r = load(archive, bytes, entries, log);
  if (r != OpResult::Ok) return r;
  if (!destDir.empty() && !fs_.makeDirectories(destDir)) {
    log.line("cannot create folder: " + destDir);
    return OpResult::WriteFailed;
  }
  bool matched = false;
  for (const Entry& e : entries) {
    if (!matchesAny(patterns, e.name)) continue;
    if (e.isDirectory() && !keepFolders) continue;
    matched = true;
    note(r, extractOne(bytes, e, destDir, keepFolders, log));
  }
  return matched ? r : OpResult::NoMatch;
}

OpResult ArchiveOps::test(const std::string& archive, OpLog& log) {
  std::vector<uint8_t> bytes;
  std::vector<Entry> entries;
  OpResult r = load(archive, bytes, entries, log);
  if (r != OpResult::Ok) return r;
  for (const Entry& e : entries) {
    DiscardSink sink;
    ExtractStatus st = extractEntry(bytes.data(), bytes.size(), e, sink);
    log.line(std::string(st == ExtractStatus::Ok ? "ok" : describe(st)) + ": " + e.name);
    note(r, toResult(st));
  }
  return r;
}

OpResult ArchiveOps::list(const std::string& archive, OpLog& log) {
  std::vector<uint8_t> bytes;
  std::vector<Entry> entries;
  OpResult r = load(archive, bytes, entries, log);
  if (r == OpResult::Ok) log.text += listingText(entries);
  return r;
}

OpResult ArchiveOps::rewrite(const std::string& archive, const std::vector<uint8_t>& content, OpLog& log) {
  std::unique_ptr<OutputFile> out = fs_.create(archive);
  if (!out || !out->write(content.data(), content.size()) || !out->commit(-1)) {
    log.line("cannot write archive: " + archive);
    return OpResult::WriteFailed;
  }
  return OpResult::Ok;
}

OpResult ArchiveOps::remove(const std::string& archive, const std::vector<std::string>& patterns, OpLog& log) {
  std::vector<uint8_t> bytes;
  std::vector<Entry> entries;
  OpResult r = load(archive, bytes, entries, log);
  if (r != OpResult::Ok) return r;
  std::vector<uint8_t> kept;
  bool removed = false;
  for (const Entry& e : entries) {
    if (!patterns.empty() && matchesAny(patterns, e.name)) {
      log.line("deleted: " + e.name);
      removed = true;
      continue;
    }
    kept.insert(kept.end(), bytes.begin() + static_cast<std::ptrdiff_t>(e.headerOffset),
                bytes.begin() + static_cast<std::ptrdiff_t>(e.dataOffset + e.packedSize));
  }
  if (!removed) return OpResult::NoMatch;
  kept.push_back(0);
  return rewrite(archive, kept, log);
}

OpResult ArchiveOps::add(const std::string& archive, const std::vector<FileToAdd>& files, Method method, OpLog& log) {
  std::vector<uint8_t> bytes;
  std::vector<Entry> entries;
  if (fs_.stat(archive).exists) {
    OpResult r = load(archive, bytes, entries, log);
    if (r != OpResult::Ok) return r;
  }
  std::vector<std::string> newNames;
  for (const FileToAdd& f : files) newNames.push_back(base::UpperCase(f.entryName));
  // Entries that stay come first; new ones are appended as they are packed.
  std::vector<uint8_t> content;
  for (const Entry& e : entries) {
    bool replaced = false;
    for (const std::string& n : newNames) replaced = replaced || n == base::UpperCase(e.name);
    if (replaced) continue;
    content.insert(content.end(), bytes.begin() + static_cast<std::ptrdiff_t>(e.headerOffset),
                   bytes.begin() + static_cast<std::ptrdiff_t>(e.dataOffset + e.packedSize));
  }
  for (const FileToAdd& f : files) {
    FileInfo info = fs_.stat(f.path);
    std::vector<uint8_t> data;
    if (info.isDirectory || !fs_.readFile(f.path, data)) {
      log.line("cannot read: " + f.path);
      return OpResult::ReadFailed;
    }
    Entry e;
    e.name = f.entryName;
    e.mtime = info.mtime;
    e.unixMode = info.unixMode;
    e.osId = fs_.osId();
    std::vector<uint8_t> packed = packEntry(e, data.data(), data.size(), method);
    content.insert(content.end(), packed.begin(), packed.end());
    log.line("added: " + f.entryName);
  }
  content.push_back(0);
  return rewrite(archive, content, log);
}

}  // namespace lha

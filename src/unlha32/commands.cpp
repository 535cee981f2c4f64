#include "unlha32/commands.h"

#include <cstring>

#include "lha/archive_ops.h"
#include "lha/entry_path.h"
#include "base/sjis.h"
#include "unlha32/command_line.h"

namespace unlha {
namespace {

int toCode(lha::OpResult r) {
  using lha::OpResult;
  switch (r) {
    case OpResult::Ok: return kOk;
    case OpResult::NoMatch: return kErrorNoMatch;
    case OpResult::NoArchive: return kErrorNoArchive;
    case OpResult::BadArchive: return kErrorBadArchive;
    case OpResult::BadData: return kErrorBadData;
    case OpResult::UnsafeName: return kErrorUnsafeName;
    case OpResult::Unsupported: return kErrorUnsupported;
    case OpResult::ReadFailed: return kErrorReadFile;
    case OpResult::WriteFailed: return kErrorWriteFile;
  }
  return kErrorInternal;
}

lha::OpResult addFiles(lha::ArchiveOps& ops, const CommandLine& cl, lha::OpLog& log) {
  std::vector<lha::FileToAdd> files;
  // Stored under their own names: the folder they were taken from is not kept.
  for (const std::string& path : cl.names) files.push_back({path, lha::baseName(path)});
  return ops.add(cl.archive, files, lha::Method::Lh5, log);
}

}  // namespace

int runCommand(lha::FileSystem& fs, const std::string& commandLine, std::string& output) {
  std::optional<CommandLine> cl = parseCommandLine(commandLine);
  if (!cl) {
    output = "command line not understood\r\n";
    return kErrorCommandLine;
  }
  lha::ArchiveOps ops(fs);
  lha::OpLog log;
  lha::OpResult r;
  switch (cl->command) {
    case 'e':
    case 'x':
      r = ops.extract(cl->archive, cl->destination, cl->names, cl->command == 'x', log);
      break;
    case 'd':
      if (cl->names.empty()) {  // never "delete everything" by omission
        output = "no entry named\r\n";
        return kErrorCommandLine;
      }
      r = ops.remove(cl->archive, cl->names, log);
      break;
    case 'a':
    case 'u':
      if (cl->names.empty()) {
        output = "no file named\r\n";
        return kErrorCommandLine;
      }
      r = addFiles(ops, *cl, log);
      break;
    case 'l':
    case 'v':
      r = ops.list(cl->archive, log);
      break;
    case 't':
      r = ops.test(cl->archive, log);
      break;
    default:
      output = "unknown command\r\n";
      return kErrorCommandLine;
  }
  output = log.text;
  return toCode(r);
}

void copyToBuffer(const std::string& text, char* buffer, uint32_t size) {
  if (!buffer || size == 0) return;
  std::string cut = base::CutToBytes(text, size - 1);
  std::memcpy(buffer, cut.data(), cut.size());
  buffer[cut.size()] = '\0';
}

}  // namespace unlha

// Command-line front end over the LHA library for tests and benchmarks:
//   lhatool l|t ARC   lhatool x ARC DIR   lhatool a [-lh5|-lh6|-lh7] ARC FILE...
#include <cstdio>
#include <string>
#include <vector>

#include "lha/archive_ops.h"
#include "lha/posix_file_system.h"

namespace {

int usage() {
  std::fputs("usage: lhatool l|t ARC | x ARC DIR | a [-lh5|-lh6|-lh7] ARC FILE...\n", stderr);
  return 2;
}

// Stored names are relative: "./" and leading "/" are dropped.
std::string entryNameFor(std::string path) {
  while (path.compare(0, 2, "./") == 0) path.erase(0, 2);
  while (!path.empty() && path[0] == '/') path.erase(0, 1);
  return path;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 2) return usage();
  lha::PosixFileSystem fs;
  lha::ArchiveOps ops(fs);
  lha::OpLog log;
  lha::OpResult r;
  const std::string& cmd = args[0];
  if ((cmd == "l" || cmd == "t") && args.size() == 2) {
    r = cmd == "l" ? ops.list(args[1], log) : ops.test(args[1], log);
  } else if (cmd == "x" && args.size() == 3) {
    r = ops.extract(args[1], args[2], {}, true, log);
  } else if (cmd == "a") {
    size_t i = 1;
    lha::Method method = lha::Method::Lh5;
    if (args[i] == "-lh5" || args[i] == "-lh6" || args[i] == "-lh7")
      method = lha::parseMethod(args[i++] + "-");
    if (args.size() < i + 2) return usage();
    std::vector<lha::FileToAdd> files;
    for (size_t k = i + 1; k < args.size(); ++k) files.push_back({args[k], entryNameFor(args[k])});
    r = ops.add(args[i], files, method, log);
  } else {
    return usage();
  }
  std::fputs(log.text.c_str(), stdout);
  return r == lha::OpResult::Ok ? 0 : 1;
}

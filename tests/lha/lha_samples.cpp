// Writes archives in the methods and header forms the library only reads,
// each holding FILE under its own name, for the cross-check with lhasa:
//   lha_samples DIR FILE
#include <fstream>
#include <iterator>
#include <string>

#include "test_archives.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::ifstream in(argv[2], std::ios::binary);
  lhatest::Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string name = argv[2];
  name = name.substr(name.rfind('/') + 1);
  auto member = [&](const char* method) { return lhatest::memberOf(method, name, data); };
  lhatest::Member commented = member("-lh5-");
  commented.name += std::string(1, '\0') + "a comment";
  const std::pair<const char*, lhatest::Bytes> archives[] = {
      {"lh1", lhatest::oldHeader(0, member("-lh1-"))},
      {"lh4", lhatest::oldHeader(1, member("-lh4-"), lhatest::extChain({}))},
      {"lzs", lhatest::oldHeader(0, member("-lzs-"))},
      {"lz5", lhatest::oldHeader(0, member("-lz5-"))},
      {"lhx", lhatest::newHeader(2, member("-lhx-"))},
      {"level3", lhatest::newHeader(3, member("-lh5-"), {{0x54, std::string(4, '\x01')}})},
      {"foreign-ext", lhatest::newHeader(2, member("-lh5-"), {{0x51, "\x01\x02\x03\x04"}, {0x52, "staff"}, {0xCC, "os9"}})},
      {"comment", lhatest::oldHeader(1, commented, lhatest::extChain({}))},
  };
  for (const auto& [what, bytes] : archives) {
    std::ofstream out(std::string(argv[1]) + "/" + what + ".lzh", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.put(0);
    if (!out) return 1;
  }
  return 0;
}

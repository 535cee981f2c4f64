#include "lha/method.h"

namespace lha {

Method parseMethod(const std::string& id) {
  if (id == "-lh0-") return Method::Stored;
  if (id == "-lhd-") return Method::Directory;
  if (id == "-lh5-") return Method::Lh5;
  if (id == "-lh6-") return Method::Lh6;
  if (id == "-lh7-") return Method::Lh7;
  return Method::Unsupported;
}

std::string methodId(Method m) {
  switch (m) {
    case Method::Stored: return "-lh0-";
    case Method::Directory: return "-lhd-";
    case Method::Lh5: return "-lh5-";
    case Method::Lh6: return "-lh6-";
    case Method::Lh7: return "-lh7-";
    case Method::Unsupported: break;
  }
  return "-lh?-";
}

int dictionaryBits(Method m) {
  switch (m) {
    case Method::Lh5: return 13;
    case Method::Lh6: return 15;
    case Method::Lh7: return 16;
    default: return 0;
  }
}

}  // namespace lha

#include "lha/method.h"

namespace lha {
namespace {

struct Known {
  Method method;
  const char* id;
  int dictBits;
};

constexpr Known kMethods[] = {
    {Method::Stored, "-lh0-", 0}, {Method::Directory, "-lhd-", 0}, {Method::Lh1, "-lh1-", 0},
    {Method::Lh4, "-lh4-", 12},   {Method::Lh5, "-lh5-", 13},      {Method::Lh6, "-lh6-", 15},
    {Method::Lh7, "-lh7-", 16},   {Method::Lhx, "-lhx-", 19},      {Method::Lzs, "-lzs-", 0},
    {Method::Lz5, "-lz5-", 0},
};

}  // namespace

Method parseMethod(const std::string& id) {
  for (const Known& k : kMethods)
    if (id == k.id) return k.method;
  return Method::Unsupported;
}

std::string methodId(Method m) {
  for (const Known& k : kMethods)
    if (m == k.method) return k.id;
  return "-lh?-";
}

int dictionaryBits(Method m) {
  for (const Known& k : kMethods)
    if (m == k.method) return k.dictBits;
  return 0;
}

}  // namespace lha

#pragma once
#include <string>

namespace lha {

enum class Method { Stored, Directory, Lh1, Lh4, Lh5, Lh6, Lh7, Lhx, Lzs, Lz5, Unsupported };

Method parseMethod(const std::string& id);  // "-lh5-" and so on
std::string methodId(Method m);
// Dictionary size as a power of two for the static-Huffman methods
// (-lh4- to -lh7-, -lhx-), else 0.
int dictionaryBits(Method m);

}  // namespace lha

#pragma once
#include <string>

namespace lha {

enum class Method { Stored, Directory, Lh5, Lh6, Lh7, Unsupported };

Method parseMethod(const std::string& id);  // "-lh5-" and so on
std::string methodId(Method m);
// Dictionary size as a power of two for the sliding-dictionary methods, else 0.
int dictionaryBits(Method m);

}  // namespace lha

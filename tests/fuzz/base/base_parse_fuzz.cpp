#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/comma_list.h"
#include "base/line_file.h"
#include "base/path.h"
#include "base/sjis.h"

// Besides not crashing, each parse must agree with its inverse where one exists.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t count = data[0] % 12;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  if (const auto value = base::StrToInt(text)) {
    const auto again = base::StrToInt(std::to_string(*value));
    if (!again || *again != *value) std::abort();
  }
  if (const auto list = base::ParseCommaList(text, count)) {
    if (list->size() != count) std::abort();
    const auto again = base::ParseCommaList(base::JoinCommaList(*list), count);
    if (!again || *again != *list) std::abort();
  }

  const auto lines = base::SplitLines(text);
  bool plain = true;
  for (const auto& line : lines) plain = plain && line.find_first_of("\r\n") == std::string::npos;
  if (!plain || base::SplitLines(base::JoinLines(lines)) != lines) std::abort();

  // The byte rules take any bytes too.
  const std::string cut = base::CutToBytes(text, count * 8);
  if (cut.size() > count * 8 || text.compare(0, cut.size(), cut) != 0) std::abort();
  if (base::StripTrailingSlash(base::AddTrailingSlash(text)).size() > text.size() + 1) std::abort();
  if (base::UpperCase(text).size() != text.size()) std::abort();
  return 0;
}

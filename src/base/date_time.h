#pragma once
// Calendar arithmetic on file times (100 ns since 1601-01-01), without time zones.
#include <cstdint>

#include "platform/clock.h"

namespace base {

platform::DateTime DateTimeFromFileTime(std::uint64_t fileTime);
std::uint64_t FileTimeFromDateTime(const platform::DateTime& t);

}  // namespace base

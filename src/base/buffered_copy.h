#pragma once
// File copy through one large buffer that keeps the source's file time.
#include <cstddef>
#include <functional>
#include <string>

#include "platform/file_system.h"

namespace base {

inline constexpr std::size_t kCopyBufferLarge = 655300;
inline constexpr std::size_t kCopyBufferSmall = 32700;

// Answers whether a buffer of that many bytes can be had now.
using BufferProbe = std::function<bool(std::size_t bytes)>;
bool ProbeHeap(std::size_t bytes);

// Copies source to target; returns the error text, empty on success. A failure after the
// target was created deletes it, so no partial copy is left behind.
std::string CopyFileBuffered(platform::FileSystem& fs, const std::string& source,
                             const std::string& target, const BufferProbe& probe = ProbeHeap);

}  // namespace base

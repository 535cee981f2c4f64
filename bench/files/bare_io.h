#pragma once
// What the benchmarks measure against, done with the system's own calls and nothing else,
// and the file system the player is given on this platform.
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace bench {

// "real Win32 file system" or the POSIX stand-in.
const char* FileSystemName();
// The file system the player uses, and how a sub-folder ("a/b") of the bench root is named
// for the player and for the system calls.
std::unique_ptr<platform::FileSystem> PlayerFileSystem(const std::string& root);
std::string PlayerPath(const std::string& root, const std::string& sub);
std::string NativePath(const std::string& root, const std::string& sub);

// A monotonic clock in milliseconds (<chrono> does not build with the program's character set).
double NowMs();

// Files of one folder (name, attributes, size and time are fetched, as a listing returns them).
long long BareCountFiles(const std::string& folder);
// Files of a folder and all folders below it.
long long BareCountTree(const std::string& folder);
std::string BareRead(const std::string& path);
// Writes the file whole; with flush the data reaches the disk before it returns.
bool BareWrite(const std::string& path, const std::string& bytes, bool flush);

}  // namespace bench

#pragma once
// A short record of a fault that ends the player, kept beside its lists. The player runs for
// hours with nobody watching; without a record, a crash in a shop cannot be traced.
#include <windows.h>

#include <string>

namespace platform::win32 {

// From now on an unhandled fault of any thread appends a record to `path`, and the process
// ends without the system's crash dialog.
void InstallCrashLog(const std::wstring& path);

// Appends the record of one fault: the time, the exception code, the faulting address and the
// modules of the return addresses found on the faulting thread's stack. It allocates nothing,
// because the heap may be what broke. False when the file cannot be written.
bool WriteCrashRecord(const wchar_t* path, const EXCEPTION_POINTERS& fault);

}  // namespace platform::win32

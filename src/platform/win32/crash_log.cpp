#include "platform/win32/crash_log.h"

#include <cstdint>
#include <cstring>

namespace platform::win32 {
namespace {

wchar_t g_path[MAX_PATH * 2] = {};
LONG g_writing = 0;

// A log that keeps growing over months of faults would fill the disk of an unattended PC;
// past this size the next record starts the file again.
constexpr LONGLONG kMaxLogBytes = 64 * 1024;
constexpr int kMaxStackModules = 16;
constexpr int kMaxStackSlots = 4096;

class Record {
 public:
  void add(const char* text) {
    for (; *text && used_ < sizeof(buf_) - 1; ++text) buf_[used_++] = *text;
  }
  void addHex(std::uintptr_t value, int digits = 2 * sizeof(std::uintptr_t)) {
    char hex[2 + 2 * sizeof(value) + 1] = {'0', 'x'};
    for (int i = 0; i < digits; ++i) hex[2 + i] = "0123456789ABCDEF"[(value >> (4 * (digits - 1 - i))) & 0xF];
    hex[2 + digits] = '\0';
    add(hex);
  }
  void addNumber(unsigned value) {
    char digits[12];
    int n = 0;
    do digits[n++] = char('0' + value % 10); while ((value /= 10) && n < 11);
    while (n) { char c[2] = {digits[--n], '\0'}; add(c); }
  }
  const char* data() const { return buf_; }
  DWORD size() const { return DWORD(used_); }

 private:
  char buf_[4096] = {};
  std::size_t used_ = 0;
};

// The loaded module whose image holds the address. Small values are never code, and the
// system names the program's own module for a null address, so the image size is checked too.
HMODULE ModuleOf(std::uintptr_t address) {
  HMODULE module = nullptr;
  if (address < 0x10000 ||
      !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCSTR>(address), &module))
    return nullptr;
  const auto base = reinterpret_cast<std::uintptr_t>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  return address >= base && address - base < nt->OptionalHeader.SizeOfImage ? module : nullptr;
}

// "NAME.DLL+0x1234", or the bare address with "?" when it lies in no loaded module (as code of
// a library that was unloaded under a running thread does).
void AddPlace(Record& r, std::uintptr_t address) {
  if (HMODULE module = ModuleOf(address)) {
    char name[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(module, name, MAX_PATH);
    const char* base = name;
    for (DWORD i = 0; i < n; ++i)
      if (name[i] == '\\' || name[i] == '/') base = name + i + 1;
    r.add(base);
    r.add("+");
    r.addHex(address - reinterpret_cast<std::uintptr_t>(module), 8);
  } else {
    r.addHex(address);
    r.add(" ?");
  }
}

std::uintptr_t StackPointer(const CONTEXT& c) {
#if defined(_M_X64) || defined(__x86_64__)
  return c.Rsp;
#else
  return c.Esp;
#endif
}

// Values on the stack that point into loaded modules: mostly return addresses, enough to tell
// whose code was running without symbols or a stack walker.
void AddStackModules(Record& r, const CONTEXT& context) {
  auto* slot = reinterpret_cast<const std::uintptr_t*>(StackPointer(context));
  MEMORY_BASIC_INFORMATION info{};
  if (!slot || !VirtualQuery(slot, &info, sizeof(info)) || info.State != MEM_COMMIT) return;
  const auto* end = reinterpret_cast<const std::uintptr_t*>(static_cast<const char*>(info.BaseAddress) + info.RegionSize);
  int found = 0;
  for (int i = 0; slot < end && i < kMaxStackSlots && found < kMaxStackModules; ++slot, ++i) {
    if (!ModuleOf(*slot)) continue;
    r.add("\r\n  stack ");
    AddPlace(r, *slot);
    ++found;
  }
}

LONG WINAPI OnUnhandledFault(EXCEPTION_POINTERS* fault) {
  // A fault while writing the record must not loop back here.
  if (fault && InterlockedExchange(&g_writing, 1) == 0) WriteCrashRecord(g_path, *fault);
  // End at once instead of handing over to the system's crash dialog: while that dialog waits
  // for someone, the dead window still exists, and a new start of the player would hand its
  // command line to it and quit.
  return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void InstallCrashLog(const std::wstring& path) {
  if (path.size() >= sizeof(g_path) / sizeof(g_path[0])) return;
  std::memcpy(g_path, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
  SetUnhandledExceptionFilter(OnUnhandledFault);
}

bool WriteCrashRecord(const wchar_t* path, const EXCEPTION_POINTERS& fault) {
  if (!path || !*path || !fault.ExceptionRecord) return false;
  const EXCEPTION_RECORD& e = *fault.ExceptionRecord;
  SYSTEMTIME t{};
  GetLocalTime(&t);
  Record r;
  r.add("異常終了");
  const struct { const char* before; WORD value; } stamp[] = {
      {" ", t.wYear}, {"/", t.wMonth}, {"/", t.wDay}, {" ", t.wHour}, {":", t.wMinute}, {":", t.wSecond}};
  for (const auto& part : stamp) {
    r.add(part.before);
    r.addNumber(part.value);
  }
  r.add("  code ");
  r.addHex(e.ExceptionCode, 8);
  r.add("  thread ");
  r.addNumber(GetCurrentThreadId());
  r.add("\r\n  at ");
  AddPlace(r, reinterpret_cast<std::uintptr_t>(e.ExceptionAddress));
  if (e.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && e.NumberParameters >= 2) {
    r.add(e.ExceptionInformation[0] == 8 ? "  (execute " : e.ExceptionInformation[0] == 1 ? "  (write " : "  (read ");
    r.addHex(e.ExceptionInformation[1]);
    r.add(")");
  }
  if (fault.ContextRecord) AddStackModules(r, *fault.ContextRecord);
  r.add("\r\n\r\n");

  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file, &size) && size.QuadPart > kMaxLogBytes) {
    CloseHandle(file);
    file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
  }
  DWORD written = 0;
  const bool ok = WriteFile(file, r.data(), r.size(), &written, nullptr) && written == r.size();
  CloseHandle(file);
  return ok;
}

}  // namespace platform::win32

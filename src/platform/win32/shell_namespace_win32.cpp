#include "platform/win32/shell_namespace_win32.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "platform/win32/text.h"

namespace platform::win32 {
namespace {

// COM for the calling thread for the length of one query; harmless when already on.
class ComScope {
 public:
  ComScope() : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (ok_) CoUninitialize();
  }

 private:
  bool ok_;
};

template <typename T>
class ComPtr {
 public:
  ~ComPtr() {
    if (p_) p_->Release();
  }
  T** out() { return &p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

ShellItem DescribeChild(IShellFolder& folder, PCIDLIST_ABSOLUTE parent, PCUITEMID_CHILD child) {
  ShellItem item;
  STRRET name;
  wchar_t buf[MAX_PATH * 2] = {};
  if (SUCCEEDED(folder.GetDisplayNameOf(child, SHGDN_INFOLDER, &name)) &&
      SUCCEEDED(StrRetToBufW(&name, child, buf, MAX_PATH * 2)))
    item.displayName = FromWide(buf);
  PIDLIST_ABSOLUTE full = ILCombine(parent, child);
  wchar_t path[MAX_PATH] = {};
  if (full && SHGetPathFromIDListW(full, path)) item.path = FromWide(path);
  ILFree(full);
  return item;
}

}  // namespace

std::vector<ShellItem> Win32ShellNamespace::children(const std::string& folderPath) {
  std::vector<ShellItem> items;
  ComScope com;
  ComPtr<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.out()))) return items;
  std::wstring wide = ToWide(folderPath);
  PIDLIST_RELATIVE pidl = nullptr;
  if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, wide.data(), nullptr, &pidl, nullptr)))
    return items;
  ComPtr<IShellFolder> folder;
  ComPtr<IEnumIDList> list;
  if (SUCCEEDED(desktop->BindToObject(pidl, nullptr, IID_IShellFolder,
                                      reinterpret_cast<void**>(folder.out()))) &&
      folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN, list.out()) == S_OK) {
    PITEMID_CHILD child = nullptr;
    while (list->Next(1, &child, nullptr) == S_OK) {
      items.push_back(DescribeChild(*folder.operator->(), reinterpret_cast<PCIDLIST_ABSOLUTE>(pidl), child));
      CoTaskMemFree(child);
    }
  }
  CoTaskMemFree(pidl);
  return items;
}

}  // namespace platform::win32

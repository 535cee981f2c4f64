#include "platform/win32/registry_win32.h"

#include <windows.h>

#include "platform/win32/text.h"

namespace platform::win32 {
namespace {

HKEY RootOf(Hive hive) {
  switch (hive) {
    case Hive::CurrentUser: return HKEY_CURRENT_USER;
    case Hive::ClassesRoot: return HKEY_CLASSES_ROOT;
    default: return HKEY_LOCAL_MACHINE;
  }
}

class Key {
 public:
  Key(Hive hive, const std::string& key, REGSAM access, bool create) {
    const std::wstring path = ToWide(key);
    const LONG rc = create ? RegCreateKeyExW(RootOf(hive), path.c_str(), 0, nullptr, 0, access,
                                             nullptr, &handle_, nullptr)
                           : RegOpenKeyExW(RootOf(hive), path.c_str(), 0, access, &handle_);
    if (rc != ERROR_SUCCESS) handle_ = nullptr;
  }
  ~Key() {
    if (handle_) RegCloseKey(handle_);
  }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  explicit operator bool() const { return handle_ != nullptr; }
  HKEY get() const { return handle_; }

 private:
  HKEY handle_ = nullptr;
};

// The raw bytes and type of a value, whatever its size (the size is asked first and the
// read repeated when the value grew in between).
bool QueryValue(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return false;
    data.assign(size, 0);
    const LONG rc = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
    if (rc == ERROR_SUCCESS) {
      data.resize(size);
      return true;
    }
    if (rc != ERROR_MORE_DATA) return false;
  }
  return false;
}

bool SetValue(Hive hive, const std::string& key, const std::string& name, DWORD type,
              const BYTE* data, std::size_t size) {
  Key k(hive, key, KEY_SET_VALUE, true);
  if (!k) return false;
  return RegSetValueExW(k.get(), ToWide(name).c_str(), 0, type, data, static_cast<DWORD>(size)) ==
         ERROR_SUCCESS;
}

}  // namespace

bool Win32Registry::keyExists(Hive hive, const std::string& key) {
  return static_cast<bool>(Key(hive, key, KEY_READ, false));
}

std::optional<std::string> Win32Registry::readString(Hive hive, const std::string& key,
                                                     const std::string& name) {
  Key k(hive, key, KEY_QUERY_VALUE, false);
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!k || !QueryValue(k.get(), ToWide(name), type, data)) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  // Stored strings may or may not carry their terminator; cut at the first one.
  const std::size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  return FromWide(text);
}

bool Win32Registry::writeString(Hive hive, const std::string& key, const std::string& name,
                                const std::string& value) {
  const std::wstring wide = ToWide(value);
  return SetValue(hive, key, name, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                  (wide.size() + 1) * sizeof(wchar_t));
}

std::optional<std::vector<std::uint8_t>> Win32Registry::readBinary(Hive hive, const std::string& key,
                                                                   const std::string& name,
                                                                   std::size_t maxBytes) {
  Key k(hive, key, KEY_QUERY_VALUE, false);
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!k || !QueryValue(k.get(), ToWide(name), type, data)) return std::nullopt;
  if (type != REG_BINARY || data.size() > maxBytes) return std::nullopt;
  return std::vector<std::uint8_t>(data.begin(), data.end());
}

bool Win32Registry::writeBinary(Hive hive, const std::string& key, const std::string& name,
                                const std::vector<std::uint8_t>& value) {
  return SetValue(hive, key, name, REG_BINARY, value.data(), value.size());
}

bool Win32Registry::deleteValue(Hive hive, const std::string& key, const std::string& name) {
  Key k(hive, key, KEY_SET_VALUE, false);
  return k && RegDeleteValueW(k.get(), ToWide(name).c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> Win32Registry::valueNames(Hive hive, const std::string& key) {
  std::vector<std::string> names;
  Key k(hive, key, KEY_QUERY_VALUE, false);
  if (!k) return names;
  wchar_t name[16384];  // the longest value name the registry allows
  for (DWORD i = 0;; ++i) {
    DWORD length = 16384;
    const LONG rc = RegEnumValueW(k.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_SUCCESS) names.push_back(FromWide(std::wstring(name, length)));
    else if (rc != ERROR_MORE_DATA) break;
  }
  return names;
}

bool Win32Registry::deleteKey(Hive hive, const std::string& key, bool withSubkeys) {
  // Depending on the system the tree call may leave the emptied key itself behind.
  if (withSubkeys) RegDeleteTreeW(RootOf(hive), ToWide(key).c_str());
  RegDeleteKeyW(RootOf(hive), ToWide(key).c_str());
  return !keyExists(hive, key);
}

}  // namespace platform::win32

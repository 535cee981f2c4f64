#include "fakes/fake_registry.h"

#include "base/sjis.h"

namespace fakes {

std::string FakeRegistry::keyId(platform::Hive hive, const std::string& key) {
  std::string k = base::UpperCase(key);
  while (!k.empty() && k.back() == '\\') k.pop_back();
  const char* root = hive == platform::Hive::CurrentUser ? "HKCU\\" : hive == platform::Hive::ClassesRoot ? "HKCR\\" : "HKLM\\";
  return root + k;
}

void FakeRegistry::addKey(platform::Hive hive, const std::string& key) {
  std::string id = keyId(hive, key);
  for (std::size_t pos = id.find('\\'); pos != std::string::npos; pos = id.find('\\', pos + 1))
    keys_.insert(id.substr(0, pos));
  keys_.insert(id);
}

bool FakeRegistry::keyExists(platform::Hive hive, const std::string& key) {
  return keys_.count(keyId(hive, key)) > 0;
}

const FakeRegistry::Value* FakeRegistry::findValue(platform::Hive hive, const std::string& key,
                                                   const std::string& name) const {
  const auto k = values_.find(keyId(hive, key));
  if (k == values_.end()) return nullptr;
  const auto v = k->second.find(base::UpperCase(name));
  return v == k->second.end() ? nullptr : &v->second;
}

bool FakeRegistry::store(platform::Hive hive, const std::string& key, const std::string& name,
                         Value value) {
  if (failWrites_) return false;
  addKey(hive, key);
  values_[keyId(hive, key)][base::UpperCase(name)] = std::move(value);
  names_[keyId(hive, key)].emplace(base::UpperCase(name), name);
  return true;
}

std::optional<std::string> FakeRegistry::readString(platform::Hive hive, const std::string& key,
                                                    const std::string& name) {
  const Value* v = findValue(hive, key, name);
  if (!v || !std::holds_alternative<std::string>(*v)) return std::nullopt;
  return std::get<std::string>(*v);
}

bool FakeRegistry::writeString(platform::Hive hive, const std::string& key, const std::string& name,
                               const std::string& value) {
  if (!store(hive, key, name, value)) return false;
  writtenNames.push_back(name);
  return true;
}

std::optional<std::vector<std::uint8_t>> FakeRegistry::readBinary(platform::Hive hive,
                                                                  const std::string& key,
                                                                  const std::string& name,
                                                                  std::size_t maxBytes) {
  const Value* v = findValue(hive, key, name);
  if (!v || !std::holds_alternative<std::vector<std::uint8_t>>(*v)) return std::nullopt;
  const auto& bytes = std::get<std::vector<std::uint8_t>>(*v);
  if (bytes.size() > maxBytes) return std::nullopt;
  return bytes;
}

bool FakeRegistry::writeBinary(platform::Hive hive, const std::string& key, const std::string& name,
                               const std::vector<std::uint8_t>& value) {
  return store(hive, key, name, value);
}

bool FakeRegistry::deleteValue(platform::Hive hive, const std::string& key, const std::string& name) {
  const auto k = values_.find(keyId(hive, key));
  names_[keyId(hive, key)].erase(base::UpperCase(name));
  return k != values_.end() && k->second.erase(base::UpperCase(name)) > 0;
}

std::vector<std::string> FakeRegistry::valueNames(platform::Hive hive, const std::string& key) {
  std::vector<std::string> names;
  for (const auto& [upper, name] : names_[keyId(hive, key)]) names.push_back(name);
  return names;
}

bool FakeRegistry::deleteKey(platform::Hive hive, const std::string& key, bool withSubkeys) {
  const std::string id = keyId(hive, key);
  const std::string below = id + "\\";
  for (auto it = keys_.begin(); it != keys_.end();) {
    if (it->compare(0, below.size(), below) != 0) {
      ++it;
      continue;
    }
    if (!withSubkeys) return false;
    values_.erase(*it);
    names_.erase(*it);
    it = keys_.erase(it);
  }
  keys_.erase(id);
  values_.erase(id);
  names_.erase(id);
  return true;
}

}  // namespace fakes

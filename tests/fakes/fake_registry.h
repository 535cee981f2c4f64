#pragma once
// An in-memory registry: keys and value names are case-insensitive as in Windows, and
// creating a key creates its parents.
#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "platform/registry.h"

namespace fakes {

class FakeRegistry : public platform::Registry {
 public:
  void addKey(platform::Hive hive, const std::string& key);
  void failWrites(bool fail) { failWrites_ = fail; }
  std::vector<std::string> writtenNames;  // of every successful text write, in order

  bool keyExists(platform::Hive hive, const std::string& key) override;
  std::optional<std::string> readString(platform::Hive hive, const std::string& key,
                                        const std::string& name) override;
  bool writeString(platform::Hive hive, const std::string& key, const std::string& name,
                   const std::string& value) override;
  std::optional<std::vector<std::uint8_t>> readBinary(platform::Hive hive, const std::string& key,
                                                      const std::string& name,
                                                      std::size_t maxBytes) override;
  bool writeBinary(platform::Hive hive, const std::string& key, const std::string& name,
                   const std::vector<std::uint8_t>& value) override;
  bool deleteValue(platform::Hive hive, const std::string& key, const std::string& name) override;
  std::vector<std::string> valueNames(platform::Hive hive, const std::string& key) override;
  bool deleteKey(platform::Hive hive, const std::string& key, bool withSubkeys) override;

 private:
  using Value = std::variant<std::string, std::vector<std::uint8_t>>;
  static std::string keyId(platform::Hive hive, const std::string& key);
  const Value* findValue(platform::Hive hive, const std::string& key, const std::string& name) const;
  bool store(platform::Hive hive, const std::string& key, const std::string& name, Value value);

  std::set<std::string> keys_;
  std::map<std::string, std::map<std::string, Value>> values_;  // by key id, then upper name
  std::map<std::string, std::map<std::string, std::string>> names_;  // the name as first written
  bool failWrites_ = false;
};

}  // namespace fakes

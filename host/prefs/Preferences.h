// The host's preferences ("AI Preference Suite"), kept in the preferences file.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "HostTypes.h"
#include "host/core/CommandTable.h"
#include "host/core/Output.h"
#include "host/core/SoleInstance.h"

namespace zvhost {

// A stored value; a string is kept in UTF-8.
using PreferenceValue = std::variant<int32_t, bool, std::string, HostPoint>;

class Preferences : public SoleInstance<Preferences> {
 public:
  static constexpr const char *kRole = "preferences store";

  // Offers the preference suite.
  Preferences();
  ~Preferences();

  void RegisterCommands(CommandTable &commands);
  // Reads the file; a missing file is an empty store. Throws UsageError naming the place
  // of what is wrong in a damaged one, and then keeps what it held.
  void Load(const std::string &path);
  // Writes a new file beside the old one and then puts it in the old one's place, so that a
  // failed write leaves the old file whole. Throws UsageError saying what failed.
  void Save(const std::string &path) const;

  // Prefix and key in the platform encoding, as the module hands them over.
  void Put(const char *prefix, const char *key, PreferenceValue value);
  // Null when nothing is stored under the key.
  const PreferenceValue *Find(const char *prefix, const char *key) const;

  // The preferences in the file's shape: one object per prefix, points as [h, v].
  Json ToJson() const;

 private:
  using Store = std::map<std::string, std::map<std::string, PreferenceValue>>;
  // The store a file's JSON describes; throws UsageError naming `file` and the place.
  static Store FromJson(const Json &json, const std::string &file);

  Store store_;  // prefix, then key, both UTF-8
};

}  // namespace zvhost

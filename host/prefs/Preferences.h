// The host's preferences ("AI Preference Suite"), kept in the preferences file.
#pragma once

#include <string>

#include "host/core/CommandTable.h"

namespace zvhost {

class Preferences {
 public:
  // Offers the preference suite.
  Preferences();
  ~Preferences();

  void RegisterCommands(CommandTable &commands);
  // Reads the file; a missing file is an empty store. Throws UsageError naming the place
  // of what is wrong in a damaged one.
  void Load(const std::string &path);
  void Save(const std::string &path) const;
};

}  // namespace zvhost

// The host's Unicode texts ("AI Unicode String Suite"): made by the module from platform
// strings, kept as UTF-8, owned by the module until it destroys them.
#pragma once

#include <string>

#include "HostTypes.h"
#include "host/core/HandleTable.h"

namespace zvhost {

class UnicodeTexts {
 public:
  // Offers the Unicode string suite.
  UnicodeTexts();

  HostErr Make(const char *platform, HostUnicodeStringRef *text);
  void Destroy(HostUnicodeStringRef text);
  HostErr CopyUtf8(HostUnicodeStringRef text, char *buffer, int32_t bufferSize);

  // The UTF-8 of a live text; null for a null or dead one (the latter is reported as misuse
  // in `operation`).
  const std::string *Utf8Of(HostUnicodeStringRef text, const char *operation);

 private:
  // Not a text-engine object, so `dump refs` leaves texts out; one left at exit is a leak.
  HandleTable<std::string> texts_;
};

}  // namespace zvhost

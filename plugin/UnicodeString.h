// A host Unicode text owned for one scope, made and released through the AI Unicode String
// Suite.
#pragma once

#include "AIUnicodeStringSuite.h"
#include "HostTypes.h"

namespace ai {

class UnicodeString {
 public:
  // Makes the text from a NUL-terminated string in the platform encoding; throws
  // ai::Error when the host cannot.
  explicit UnicodeString(const char *platformText);
  ~UnicodeString();
  UnicodeString(const UnicodeString &) = delete;
  UnicodeString &operator=(const UnicodeString &) = delete;

  // The host's text; it stays this object's.
  HostUnicodeStringRef Ref() const { return text_; }

 private:
  const AIUnicodeStringSuite6 *suite_;
  HostUnicodeStringRef text_ = nullptr;
};

}  // namespace ai

#include "plugin/UnicodeString.h"

#include "base/HostSuites.h"

namespace ai {

UnicodeString::UnicodeString(const char *platformText) : suite_(&Require(gAIUnicodeStringSuite)) {
  ThrowIfError(suite_->Initialize(&text_, platformText));
}

UnicodeString::~UnicodeString() {
  suite_->Destroy(text_);
}

}  // namespace ai

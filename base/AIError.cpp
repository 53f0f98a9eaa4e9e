#include "base/AIError.h"

void ThrowIfError(HostErr code) {
  if (code != kHostNoErr) throw ai::Error(code);
}

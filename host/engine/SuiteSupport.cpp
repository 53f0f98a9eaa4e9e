#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

ATEErr TakeFailureOrCall(uint32_t operation, ATEErr (*call)(const void *arguments),
                         const void *arguments) {
  if (HostErr failure = OpenDocuments().Failures().TakeCounted(operation)) return failure;
  return call(arguments);
}

}  // namespace zvhost::engine

#include "host/core/Findings.h"

#include "host/core/Host.h"

namespace zvhost {

void Findings::Report(std::string operation, std::string reason) {
  if (TheHost().options.strict) {
    TheHost().output.Emit({{"kind", "misuse"}, {"operation", operation}, {"reason", reason}});
  }
  findings_.push_back({std::move(operation), std::move(reason)});
}

}  // namespace zvhost

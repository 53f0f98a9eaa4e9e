#include "host/core/Findings.h"

namespace zvhost {

void Findings::Report(std::string operation, std::string reason) {
  if (strict_) {
    output_.Emit({{"kind", "misuse"}, {"operation", operation}, {"reason", reason}});
  }
  findings_.push_back({std::move(operation), std::move(reason)});
}

}  // namespace zvhost

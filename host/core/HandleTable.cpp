#include "host/core/HandleTable.h"

namespace zvhost {

void ReportHandleMisuse(HandleState state, const HandleKind &kind, const std::string &suite,
                        const char *operation, const char *deadReason) {
  HostServices::The().findings.Report(suite + "/" + operation, state == HandleState::kOtherKind
                                                                   ? HandleMisuse(state, kind)
                                                                   : deadReason);
}

}  // namespace zvhost

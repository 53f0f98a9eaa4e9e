#include "host/core/CallRecord.h"

#include <fstream>

#include "host/core/FailurePlan.h"
#include "host/core/FilePath.h"
#include "host/core/Output.h"
#include "host/core/SuiteRegistry.h"
#include "host/core/UsageError.h"

namespace zvhost {

void WriteCallRecord(const FailurePlan &failures, const SuiteRegistry &suites,
                     const std::string &path) {
  Json record = Json::object();
  for (const std::string &operation : suites.AllOperations()) {
    if (uint64_t calls = failures.Calls(operation); calls > 0) record[operation] = calls;
  }
  std::ofstream out(FilePath(path));
  out << record.dump() << "\n";
  if (!out.flush()) throw UsageError("cannot write the call record " + path);
}

}  // namespace zvhost

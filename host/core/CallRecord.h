// The call record (--record-calls FILE): how many calls each host operation had in a
// session, written at its end, so that a fault sweep can fail each of them in turn.
#pragma once

#include <string>

namespace zvhost {

class FailurePlan;
class SuiteRegistry;

// Writes a JSON object: every operation that can be made to fail and was called, with its
// number of calls. Throws UsageError when the file cannot be written.
void WriteCallRecord(const FailurePlan &failures, const SuiteRegistry &suites,
                     const std::string &path);

}  // namespace zvhost

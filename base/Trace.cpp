#include "base/Trace.h"

#ifdef ZARVEL_TRACE_SINK
#include <utility>

#include "base/TraceSink.h"

namespace {
std::function<void(const std::string &)> &Sink() {
  static std::function<void(const std::string &)> sink;
  return sink;
}
}  // namespace

void SetTraceSink(std::function<void(const std::string &)> sink) {
  Sink() = std::move(sink);
}
#endif

HostErr Trace([[maybe_unused]] std::string text) {
#ifdef ZARVEL_TRACE_SINK
  if (Sink()) Sink()(text);
#endif
  return kHostNoErr;
}

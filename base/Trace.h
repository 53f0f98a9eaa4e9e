// The trace facility: every operation announces its start, its end and each failure as a
// fixed text. The module discards the texts; test builds can attach a sink to read them.
#pragma once

#include <string>

#include "HostTypes.h"

HostErr Trace(std::string text);

#ifdef ZARVEL_TRACE_SINK
#include <functional>
// Test builds only: every traced text goes to the sink while one is attached.
void SetTraceSink(std::function<void(const std::string &)> sink);
#endif

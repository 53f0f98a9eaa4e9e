// The trace facility: every operation announces its start, its end and each failure as a
// fixed text. The module discards the texts; the build the tests link can hand them to a sink
// (TraceSink.h).
#pragma once

#include <string>

#include "HostTypes.h"

HostErr Trace(std::string text);

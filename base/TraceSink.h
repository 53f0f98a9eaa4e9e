// The sink of the trace facility, in the build of the module that tests link in: every traced
// text goes to the sink while one is attached. The shipped module has no sink.
#pragma once

#include <functional>
#include <string>

void SetTraceSink(std::function<void(const std::string &)> sink);

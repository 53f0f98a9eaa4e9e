#include "support/HostHarness.h"

#include <gtest/gtest.h>

#include "base/TraceSink.h"
#include "host/core/UsageError.h"
#include "support/InProcessModule.h"

namespace zvtest {

namespace {
std::vector<std::string> &Traces() {
  static std::vector<std::string> traces;
  return traces;
}
}  // namespace

HostHarness::HostHarness(zvhost::HostOptions options, bool start) {
  options.json = true;
  Traces().clear();
  SetTraceSink([](const std::string &text) { Traces().push_back(text); });
  host_ = std::make_unique<zvhost::Host>(std::move(options), out_);
  if (start) Start();
}

HostHarness::~HostHarness() {
  if (!finished_) Finish();
  host_.reset();
  SetTraceSink(nullptr);
}

void HostHarness::Start() {
  host_->Start(OpenInProcessModule());
}

void HostHarness::Run(const std::string &line) {
  try {
    host_->Execute(line);
  } catch (const zvhost::UsageError &error) {
    ADD_FAILURE() << "line '" << line << "' was rejected: " << error.what();
  }
}

void HostHarness::Run(std::initializer_list<std::string> lines) {
  for (const std::string &line : lines) Run(line);
}

std::string HostHarness::RunExpectingError(const std::string &line) {
  try {
    host_->Execute(line);
  } catch (const zvhost::UsageError &error) {
    return error.what();
  }
  ADD_FAILURE() << "line '" << line << "' was accepted";
  return {};
}

std::vector<Json> HostHarness::Parse() {
  std::string all = out_.str();
  std::vector<Json> events;
  while (consumed_ < all.size()) {
    size_t end = all.find('\n', consumed_);
    if (end == std::string::npos) break;
    events.push_back(Json::parse(all.substr(consumed_, end - consumed_)));
    consumed_ = end + 1;
  }
  return events;
}

std::vector<Json> HostHarness::Take() {
  std::vector<Json> events = std::move(pending_);
  pending_.clear();
  for (Json &event : Parse()) events.push_back(std::move(event));
  return events;
}

std::vector<Json> HostHarness::Pending(const std::string &kind) {
  for (Json &event : Parse()) pending_.push_back(std::move(event));
  std::vector<Json> matching;
  for (const Json &event : pending_) {
    if (event.value("kind", "") == kind) matching.push_back(event);
  }
  return matching;
}

Json HostHarness::Dump(const std::string &what) {
  for (Json &event : Parse()) pending_.push_back(std::move(event));
  Run("dump " + what);
  std::vector<Json> events = Parse();
  if (events.empty()) {
    ADD_FAILURE() << "dump " << what << " printed nothing";
    return Json::object();
  }
  return events.back();
}

std::vector<std::string> HostHarness::TakeTraces() {
  std::vector<std::string> traces = std::move(Traces());
  Traces().clear();
  return traces;
}

int HostHarness::Finish() {
  finished_ = true;
  return host_->Finish();
}

}  // namespace zvtest

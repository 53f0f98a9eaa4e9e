#include "host/core/Output.h"

#include "host/core/ReadableText.h"

namespace zvhost {

namespace {

bool IsComplaint(const std::string &kind) {
  return kind == "refused" || kind == "error" || kind == "misuse" || kind == "leaks";
}

}  // namespace

void Output::Emit(const Json &event) {
  const std::string kind = event.value("kind", "");
  if (kind == "refused") ++tally_.refused;
  if (kind == "message" && event.value("result", 0) != 0) ++tally_.pluginErrors;
  if (json_) {
    *out_ << event.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
    out_->flush();
    return;
  }
  std::ostream &to = IsComplaint(kind) ? *errors_ : *out_;
  to << ReadableText(event);
  to.flush();
}

}  // namespace zvhost

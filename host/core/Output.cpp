#include "host/core/Output.h"

#include <string>

namespace zvhost {

namespace {

std::string Text(const Json &value) {
  return value.is_string() ? value.get<std::string>() : value.dump();
}

// One readable line for the short events; the dumps are printed as indented JSON under a
// heading, which reads well and says exactly what the JSON form says.
void WriteHuman(std::ostream &out, const Json &event) {
  const std::string kind = event.value("kind", "");
  if (kind == "message") {
    out << "message " << Text(event["caller"]) << " / " << Text(event["selector"]) << " -> "
        << Text(event["result"]) << "\n";
  } else if (kind == "alert") {
    out << "alert: " << Text(event["text"]) << "\n";
  } else if (kind == "refused") {
    out << "refused: " << Text(event["reason"]) << "\n";
  } else if (kind == "error") {
    out << "error";
    if (event.contains("line")) out << " at line " << Text(event["line"]);
    out << ": " << Text(event["reason"]) << "\n";
  } else if (kind == "misuse") {
    out << "misuse in " << Text(event["operation"]) << ": " << Text(event["reason"]) << "\n";
  } else if (kind == "note") {
    out << Text(event["text"]) << "\n";
  } else {
    Json rest = event;
    rest.erase("kind");
    out << kind << ":\n" << rest.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
  }
}

}  // namespace

void Output::Emit(const Json &event) {
  if (json_) {
    *out_ << event.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
  } else {
    WriteHuman(*out_, event);
  }
  out_->flush();
}

}  // namespace zvhost

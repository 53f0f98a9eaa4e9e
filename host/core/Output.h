// Everything the host reports: with --json one JSON object a line, each with a "kind";
// otherwise the same facts written for people.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

namespace zvhost {

using Json = nlohmann::ordered_json;

class Output {
 public:
  Output(std::ostream &out, bool json) : out_(&out), json_(json) {}

  void Emit(const Json &event);
  bool IsJson() const { return json_; }
  void Redirect(std::ostream &out) { out_ = &out; }

 private:
  std::ostream *out_;
  bool json_;
};

}  // namespace zvhost

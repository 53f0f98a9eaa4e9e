// Everything the host reports: with --json one JSON object a line, each with a "kind", on
// standard output; otherwise the same facts written for people, errors and refusals on
// standard error. Output also keeps the run's tally: actions, refusals, plug-in errors.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

namespace zvhost {

using Json = nlohmann::ordered_json;

struct Tally {
  int actions = 0;           // script commands carried out
  int refused = 0;           // refused user actions, expected ones included
  int expectedRefusals = 0;  // refusals that `expect refused` asked for
  int pluginErrors = 0;      // calls of the plug-in that returned a non-zero code
};

class Output {
 public:
  Output(std::ostream &out, bool json, std::ostream *errors = nullptr)
      : out_(&out), errors_(errors != nullptr ? errors : &out), json_(json) {}

  void Emit(const Json &event);
  bool IsJson() const { return json_; }

  Tally &Counts() { return tally_; }
  const Tally &Counts() const { return tally_; }

 private:
  std::ostream *out_;
  std::ostream *errors_;
  bool json_;
  Tally tally_;
};

}  // namespace zvhost

#include "host/core/ScriptRunner.h"

#include <string>

#include "host/core/CommandTable.h"
#include "host/core/UsageError.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

int RunScript(Host &host, std::istream &in, bool interactive, std::ostream *prompt) {
  std::string line;
  int lineNumber = 0;
  int status = kExitDone;
  while (true) {
    if (prompt != nullptr) *prompt << "zarvel> " << std::flush;
    if (!std::getline(in, line)) break;
    ++lineNumber;
    try {
      std::vector<std::string> words = SplitScriptLine(line);
      if (!words.empty() && words[0] == "quit") {
        if (words.size() > 1) throw UsageError("usage: quit");
        break;
      }
      host.Execute(line);
    } catch (const UsageError &error) {
      host.output.Emit({{"kind", "error"}, {"line", lineNumber}, {"reason", error.what()}});
      status = kExitUsage;
      if (!interactive) return status;
    } catch (const FormatError &error) {
      host.output.Emit({{"kind", "error"}, {"line", lineNumber}, {"reason", error.what()}});
      status = kExitUsage;
      if (!interactive) return status;
    }
  }
  return interactive ? kExitDone : status;
}

}  // namespace zvhost

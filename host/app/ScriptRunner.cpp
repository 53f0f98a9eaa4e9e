#include "host/app/ScriptRunner.h"

#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "host/core/CommandTable.h"
#include "host/core/UsageError.h"
#include "host/loader/LoadedModule.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

namespace {

// Some editors begin a UTF-8 file with the byte order mark U+FEFF; it is no part of a command.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

int RunScript(Host &host, std::istream &in, bool interactive) {
  return RunScript(
      host,
      [&in]() -> std::optional<std::string> {
        std::string line;
        if (!std::getline(in, line)) return std::nullopt;
        return line;
      },
      interactive);
}

int RunScript(Host &host, const LineSource &lines, bool interactive) {
  int lineNumber = 0;
  int status = kExitDone;
  while (std::optional<std::string> next = lines()) {
    std::string &line = *next;
    ++lineNumber;
    if (lineNumber == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
    std::optional<std::string> failure;
    try {
      host.Execute(line);
      if (host.QuitRequested()) break;
    } catch (const UsageError &error) {
      failure = error.what();
    } catch (const FormatError &error) {
      failure = error.what();
    } catch (const ModuleError &) {
      throw;  // the module cannot be loaded: the session ends with its own status
    } catch (const std::bad_alloc &) {
      failure = "the host ran out of memory";
    } catch (const std::exception &error) {
      // A fault of the host itself: the line fails, and the session still ends as it should.
      failure = std::string("the host failed: ") + error.what();
    }
    if (!failure) continue;
    host.output.Emit({{"kind", "error"}, {"line", lineNumber}, {"reason", *failure}});
    status = kExitUsage;
    if (!interactive) return status;
  }
  return interactive ? kExitDone : status;
}

}  // namespace zvhost

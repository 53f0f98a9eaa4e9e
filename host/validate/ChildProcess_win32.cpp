#include <windows.h>

#include "host/core/FilePath.h"
#include "host/validate/ChildProcess.h"

namespace zvhost {

namespace {

// One argument quoted as the C runtime splits a command line back into arguments.
std::string QuoteArgument(const std::string &word) {
  if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) return word;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : word) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + '"';
}

HANDLE OpenForChild(const std::string &file, bool write) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileW(write ? FilePath(file).c_str() : L"NUL", write ? GENERIC_WRITE : GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                     write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ChildOutcome RunChild(const std::vector<std::string> &argv, const std::string &outputFile,
                      const std::string &errorFile, double timeoutSeconds) {
  ChildOutcome outcome;
  std::wstring command = FilePath(CommandText(argv)).wstring();
  HANDLE input = OpenForChild("", false);
  HANDLE output = OpenForChild(outputFile, true);
  HANDLE errors = OpenForChild(errorFile, true);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = errors;
  PROCESS_INFORMATION process{};
  const BOOL created = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                      nullptr, &startup, &process);
  for (HANDLE handle : {input, output, errors}) {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
  if (!created) return outcome;
  outcome.started = true;
  const DWORD waitMs = static_cast<DWORD>(timeoutSeconds * 1000);
  if (WaitForSingleObject(process.hProcess, waitMs) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
    outcome.timedOut = true;
  } else {
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    // Exception codes (0xC0000005 and the like) are how a crashed program ends.
    outcome.crashed = (code & 0xF0000000u) == 0xC0000000u;
    outcome.status = static_cast<int>(code);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return outcome;
}

std::string CommandText(const std::vector<std::string> &argv) {
  std::string text;
  for (const std::string &word : argv) {
    if (!text.empty()) text += ' ';
    text += QuoteArgument(word);
  }
  return text;
}

}  // namespace zvhost

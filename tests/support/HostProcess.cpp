#include "support/HostProcess.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "support/TempFolder.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace zvtest {

namespace {

std::string Setting(const char *name, const char *built) {
  const char *value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : built;
}

std::string Quote(const std::string &word) {
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string ReadAll(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

HostRun Execute(const std::vector<std::string> &args, const std::string &input = "") {
  const TempFolder streams;
  const std::string outPath = streams.PathOf("stdout.txt");
  const std::string errPath = streams.PathOf("stderr.txt");
  std::string command;
  std::string runner = Setting("ZARVEL_HOST_RUNNER", "");
  if (!runner.empty()) command += runner + " ";
  command += Quote(HostProgram());
  for (const std::string &arg : args) command += " " + Quote(arg);
  command += " < " + Quote(streams.Write("stdin.txt", input)) + " > " + Quote(outPath) + " 2> " +
             Quote(errPath);
  int raw = std::system(command.c_str());
  HostRun run;
#ifdef _WIN32
  run.status = raw;
#else
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  std::istringstream out(ReadAll(outPath));
  std::string line;
  while (std::getline(out, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    auto parsed = nlohmann::ordered_json::parse(line, nullptr, false);
    if (parsed.is_discarded()) parsed = {{"kind", "text"}, {"text", line}};
    run.lines.push_back(std::move(parsed));
  }
  run.errors = ReadAll(errPath);
  return run;
}

}  // namespace

std::vector<nlohmann::ordered_json> HostRun::OfKind(const std::string &kind) const {
  std::vector<nlohmann::ordered_json> matching;
  for (const auto &line : lines) {
    if (line.value("kind", "") == kind) matching.push_back(line);
  }
  return matching;
}

HostRun RunHost(const std::string &script, const std::vector<std::string> &args) {
  const TempFolder folder;
  return RunHostOnFile(folder.Write("script.zvs", script), args);
}

std::string HostProgram() {
  return Setting("ZARVEL_HOST_EXE", ZARVEL_HOST_EXE);
}

std::string ModuleInUse() {
  return Setting("ZARVEL_MODULE_FILE", ZARVEL_MODULE_FILE);
}

bool WindowsHost() {
  std::ifstream in(ModuleInUse(), std::ios::binary);
  char magic[2] = {};
  return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

HostRun RunHostOnFile(const std::string &scriptFile, const std::vector<std::string> &args) {
  std::vector<std::string> all = {"--json", "--plugin", ModuleInUse()};
  all.insert(all.end(), args.begin(), args.end());
  all.push_back(scriptFile);
  return Execute(all);
}

HostRun RunHostRaw(const std::vector<std::string> &args) {
  return Execute(args);
}

HostRun RunHostOnInput(const std::string &input, const std::vector<std::string> &args) {
  std::vector<std::string> all = {"--json", "--plugin", ModuleInUse()};
  all.insert(all.end(), args.begin(), args.end());
  return Execute(all, input);
}

}  // namespace zvtest

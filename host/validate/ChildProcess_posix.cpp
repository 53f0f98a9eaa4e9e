#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "host/validate/ChildProcess.h"

extern char **environ;

namespace zvhost {

ChildOutcome RunChild(const std::vector<std::string> &argv, const std::string &outputFile,
                      const std::string &errorFile, double timeoutSeconds) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  std::vector<char *> words;
  for (const std::string &word : argv) words.push_back(const_cast<char *>(word.c_str()));
  words.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, words[0], &actions, nullptr, words.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ChildOutcome outcome;
  if (spawned != 0) return outcome;
  outcome.started = true;

  // Polled, so that many children can be waited for from threads of one process.
  const auto deadline = std::chrono::steady_clock::now() +
                        std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                            std::chrono::duration<double>(timeoutSeconds));
  auto pause = std::chrono::microseconds(200);
  int raw = 0;
  while (true) {
    pid_t done = waitpid(pid, &raw, WNOHANG);
    if (done == pid) break;
    if (done < 0) return outcome;
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &raw, 0);
      outcome.timedOut = true;
      return outcome;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(20000));
  }
  if (WIFSIGNALED(raw)) {
    outcome.crashed = true;
    outcome.status = WTERMSIG(raw);
  } else {
    outcome.status = WEXITSTATUS(raw);
  }
  return outcome;
}

std::string CommandText(const std::vector<std::string> &argv) {
  std::string text;
  for (const std::string &word : argv) {
    if (!text.empty()) text += ' ';
    const bool plain = !word.empty() && word.find_first_not_of(
                                            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            "0123456789-_./=:@+,") == std::string::npos;
    if (plain) {
      text += word;
      continue;
    }
    text += '\'';
    for (char c : word) text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    text += '\'';
  }
  return text;
}

}  // namespace zvhost

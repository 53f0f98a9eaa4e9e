// Runs a program as a child process with its output in files, and kills it when it overruns.
#pragma once

#include <string>
#include <vector>

namespace zvhost {

struct ChildOutcome {
  bool started = false;
  bool timedOut = false;  // killed for overrunning its time
  bool crashed = false;   // ended by a signal (or, on Windows, an exception code)
  int status = -1;        // the exit status, or the signal / exception code when crashed
};

// Runs argv[0] with the arguments argv[1...] (no shell), standard input empty, standard
// output and error written to the two files. Waits at most `timeoutSeconds`, then kills it.
ChildOutcome RunChild(const std::vector<std::string> &argv, const std::string &outputFile,
                      const std::string &errorFile, double timeoutSeconds);

// The command as a user types it into a shell, each word quoted where it needs to be.
std::string CommandText(const std::vector<std::string> &argv);

}  // namespace zvhost

// Runs the built zarvel-host on a pseudo-terminal, as a person at a terminal runs it: what
// is typed goes to its standard input, and everything it shows is read back.
#pragma once

#include <string>
#include <vector>

namespace zvtest {

class Terminal {
 public:
  // Starts `zarvel-host --plugin MODULE ARGS...` with these environment settings added
  // ("NAME=VALUE").
  Terminal(const std::vector<std::string> &args, const std::vector<std::string> &environment);
  ~Terminal();
  Terminal(const Terminal &) = delete;
  Terminal &operator=(const Terminal &) = delete;

  void Type(const std::string &keys);
  // Reads until the screen so far holds `text` after what the last Expect found; false
  // after five seconds without it.
  bool Expect(const std::string &text);
  // Sends a signal to the host.
  void Signal(int signal);
  // Waits for the host to end; its exit status (-1 when a signal ended it).
  int Wait();
  // Everything shown so far.
  const std::string &Screen() const { return screen_; }

 private:
  bool ReadSome(int milliseconds);
  void AwaitLineEditor();

  int controller_ = -1;
  int child_ = -1;
  std::string screen_;
  size_t seen_ = 0;
};

}  // namespace zvtest

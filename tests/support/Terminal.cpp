#include "support/Terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "support/HostProcess.h"

namespace zvtest {

Terminal::Terminal(const std::vector<std::string> &args,
                   const std::vector<std::string> &environment) {
  controller_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (controller_ < 0 || grantpt(controller_) != 0 || unlockpt(controller_) != 0) {
    throw std::runtime_error("no pseudo-terminal");
  }
  const std::string device = ptsname(controller_);
  std::vector<std::string> words = {HostProgram(), "--plugin", ModuleInUse()};
  words.insert(words.end(), args.begin(), args.end());
  child_ = fork();
  if (child_ < 0) throw std::runtime_error("fork failed");
  if (child_ == 0) {
    // The child: a session of its own whose controlling terminal is the pseudo-terminal.
    setsid();
    const int terminal = open(device.c_str(), O_RDWR);
    if (terminal < 0) _exit(127);
    for (int stream = 0; stream < 3; ++stream) dup2(terminal, stream);
    close(controller_);
    for (const std::string &setting : environment) putenv(const_cast<char *>(setting.c_str()));
    setenv("TERM", "xterm", 1);
    std::vector<char *> argv;
    for (std::string &word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
}

Terminal::~Terminal() {
  if (child_ > 0) {
    kill(child_, SIGKILL);
    waitpid(child_, nullptr, 0);
  }
  if (controller_ >= 0) close(controller_);
}

// Waits until the line editor has the terminal (canonical mode off), as a person sees the
// prompt before typing: a key typed while the host still runs its last command is taken by
// the terminal's own line discipline, and a Ctrl-D there is lost when the editor takes over.
// On Linux the controller side reads the terminal's settings.
void Terminal::AwaitLineEditor() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  termios settings = {};
  while (std::chrono::steady_clock::now() < deadline) {
    if (tcgetattr(controller_, &settings) == 0 && (settings.c_lflag & ICANON) == 0) return;
    ReadSome(10);
  }
}

void Terminal::Type(const std::string &keys) {
  for (char key : keys) {
    AwaitLineEditor();
    // One key at a time, as a person types: the line editor reads each as it comes.
    if (write(controller_, &key, 1) != 1) return;
    ReadSome(5);
  }
}

bool Terminal::ReadSome(int milliseconds) {
  pollfd ready = {controller_, POLLIN, 0};
  if (poll(&ready, 1, milliseconds) <= 0) return false;
  char buffer[4096];
  const ssize_t got = read(controller_, buffer, sizeof buffer);
  if (got <= 0) return false;
  screen_.append(buffer, static_cast<size_t>(got));
  return true;
}

bool Terminal::Expect(const std::string &text) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (true) {
    if (size_t at = screen_.find(text, seen_); at != std::string::npos) {
      seen_ = at + text.size();
      return true;
    }
    if (std::chrono::steady_clock::now() > deadline) return false;
    ReadSome(100);
  }
}

void Terminal::Signal(int signal) {
  kill(child_, signal);
}

int Terminal::Wait() {
  int status = 0;
  // What the host shows while it ends is read, so that it never waits on a full terminal. A
  // host that does not end is killed, so that the test fails instead of hanging.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (waitpid(child_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(child_, SIGKILL);
      waitpid(child_, &status, 0);
      screen_ += "\n[the host did not end within 30 s and was killed]";
      break;
    }
    ReadSome(50);
  }
  while (ReadSome(50)) {
  }
  child_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace zvtest

#include <editline/readline.h>

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <vector>

#include "host/app/Completion.h"
#include "host/cli/Interrupts.h"
#include "host/cli/Prompt.h"

namespace zvhost {

namespace {

// The library's completion hook is a plain function: it reaches the host through this.
const Host *completingFor = nullptr;

// $XDG_STATE_HOME/zarvel/history, or ~/.local/state/zarvel/history; "" without either.
std::string HistoryFile() {
  std::filesystem::path folder;
  if (const char *state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
    folder = state;
  } else if (const char *home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    folder = std::filesystem::path(home) / ".local" / "state";
  } else {
    return "";
  }
  return (folder / "zarvel" / "history").string();
}

// Where the library's word being completed begins: it breaks words at blanks alone, while a
// quoted word may hold blanks.
size_t libraryStart = 0;

// Each completion the library asks for, one at a time, from the list made at its first call;
// the part of a quoted word before the library's word start is on the line already.
char *NextCompletion(const char *, int state) {
  static Completion found;
  static size_t next = 0;
  if (state == 0) {
    found = Completions(*completingFor, std::string(rl_line_buffer, static_cast<size_t>(rl_point)));
    next = 0;
  }
  while (next < found.words.size()) {
    const std::string &word = found.words[next++];
    const size_t typed = libraryStart - found.start;
    if (libraryStart >= found.start && typed <= word.size()) {
      return strdup(word.substr(typed).c_str());
    }
  }
  return nullptr;
}

char **Complete(const char *text, int start, int) {
  libraryStart = static_cast<size_t>(start);
  rl_attempted_completion_over = 1;  // no file names when nothing fits
  return rl_completion_matches(text, NextCompletion);
}

// Reads the next key, but gives up as soon as a signal has been noted: a signal that lands
// while the line editor is redrawing, not waiting in read(), would otherwise be seen only at
// the next key. EOF makes readline return, and Read() then takes the signal.
int ReadKey(FILE *in) {
  while (!StopRequested()) {
    pollfd ready = {fileno(in), POLLIN, 0};
    const int got = poll(&ready, 1, 50);
    if (got < 0 && errno != EINTR) return EOF;
    if (got <= 0) continue;
    unsigned char key = 0;
    const ssize_t read_ = read(fileno(in), &key, 1);
    if (read_ == 1) return key;
    if (read_ == 0 || errno != EINTR) return EOF;
  }
  return EOF;
}

}  // namespace

Prompt::Prompt(const Host &host) {
  completingFor = &host;
  rl_readline_name = const_cast<char *>("zarvel-host");
  rl_catch_signals = 0;  // our handlers note Ctrl-C and kills; see Interrupts.h
  rl_getc_function = ReadKey;
  rl_basic_word_break_characters = const_cast<char *>(" \t");
  rl_attempted_completion_function = Complete;
  rl_initialize();
  using_history();
  if (const std::string file = HistoryFile(); !file.empty()) read_history(file.c_str());
}

Prompt::~Prompt() {
  const std::string file = HistoryFile();
  if (file.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
  if (write_history(file.c_str()) != 0) {
    std::cerr << "zarvel-host: cannot write the history to " << file << std::endl;
  }
  completingFor = nullptr;
}

std::optional<std::string> Prompt::Read() {
  while (!StopRequested()) {
    char *typed = readline("zarvel> ");
    const int signal = TakeInterrupt();
    if (signal == SIGINT) {
      // Ctrl-C: the line is dropped and a fresh one asked for.
      std::free(typed);
      std::cerr << "\n";
      continue;
    }
    if (signal != 0 || typed == nullptr) {
      std::free(typed);
      std::cerr << "\n";
      return std::nullopt;
    }
    std::string line(typed);
    std::free(typed);
    if (line.find_first_not_of(" \t") != std::string::npos) add_history(line.c_str());
    return line;
  }
  return std::nullopt;
}

}  // namespace zvhost

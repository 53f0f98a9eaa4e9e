#include <csignal>

#include "host/cli/Interrupts.h"

namespace zvhost {

namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void NoteSignal(int signal) {
  caught = signal;
  // The C runtime resets the handler to the default once it has run.
  std::signal(signal, NoteSignal);
}

}  // namespace

void CatchInterrupts() {
  std::signal(SIGINT, NoteSignal);
  std::signal(SIGTERM, NoteSignal);
}

int TakeInterrupt() {
  const int signal = caught;
  caught = 0;
  return signal;
}

bool StopRequested() {
  return caught != 0;
}

}  // namespace zvhost

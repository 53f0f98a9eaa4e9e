#include <signal.h>

#include <csignal>

#include "host/cli/Interrupts.h"

namespace zvhost {

namespace {

volatile std::sig_atomic_t caught = 0;

extern "C" void NoteSignal(int signal) {
  caught = signal;
}

}  // namespace

void CatchInterrupts() {
  struct sigaction action = {};
  action.sa_handler = NoteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a read waiting for input returns
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
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

// SIGINT and SIGTERM (Ctrl-C, a kill) end a session cleanly: the handler only notes the
// signal, and the session ends between two commands with the normal shutdown. At the
// prompt Ctrl-C clears the line instead.
#pragma once

namespace zvhost {

// Installs the handlers. On POSIX a signal also interrupts a blocked read, so that a
// session waiting for input ends (or, at the prompt, gets a fresh line).
void CatchInterrupts();

// The signal caught since the last TakeInterrupt (0 for none), which is then forgotten.
int TakeInterrupt();

// True when a signal that ends the session was caught (SIGTERM, or SIGINT outside the
// prompt); it stays noted.
bool StopRequested();

}  // namespace zvhost

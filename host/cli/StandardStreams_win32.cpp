#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "host/cli/StandardStreams.h"

namespace zvhost {

// The C runtime writes \n as \r\n on a stream in text mode; binary mode writes it as it is.
void UseByteExactOutput() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

bool InputIsTerminal() {
  return _isatty(_fileno(stdin)) != 0;
}

}  // namespace zvhost

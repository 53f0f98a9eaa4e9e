// The two spellings of a host error code in the error message list and the error dialog:
// a decimal number, or four characters packed with the first one most significant.
#pragma once

#include <array>

#include "HostTypes.h"

// The code a code text of the message list names. A text that begins with "-" or a digit
// is a decimal number, truncated toward zero and taken modulo 65536 as a signed 16-bit
// value ("65536" names 0); any other text is a four-character code, short texts padded
// with zero bytes.
HostErr DecodeCodeText(const char *text);

// The code as the error dialog shows it, NUL-terminated: in decimal when it lies from
// -65536 to 65535, else its four bytes as characters, most significant first, with "?"
// standing for a byte that is no printable character.
std::array<char, 16> FormatCodeText(HostErr code);

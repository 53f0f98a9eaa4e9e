// A bad command line or script line: the message says what is wrong and where.
#pragma once

#include <stdexcept>

namespace zvhost {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zvhost

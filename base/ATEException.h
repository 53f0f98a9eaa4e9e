// The exception that the text-engine wrappers throw for a non-zero engine result.
#pragma once

#include <cstdint>
#include <exception>

namespace ATE {
class Exception : public std::exception {
 public:
  explicit Exception(int32_t error) : error(error) {}
  int32_t error;
};
}  // namespace ATE

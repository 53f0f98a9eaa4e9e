#include "support/FileText.h"

#include <fstream>
#include <iterator>

namespace zvtest {

std::string ReadFileText(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace zvtest

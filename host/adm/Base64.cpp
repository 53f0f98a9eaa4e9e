#include "host/adm/Base64.h"

namespace zvhost {

std::string Base64(const Bytes &data) {
  static constexpr char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((data.size() + 2) / 3 * 4);
  for (size_t i = 0; i < data.size(); i += 3) {
    const size_t left = data.size() - i;
    uint32_t group = static_cast<uint32_t>(data[i]) << 16;
    if (left > 1) group |= static_cast<uint32_t>(data[i + 1]) << 8;
    if (left > 2) group |= data[i + 2];
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += left > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    out += left > 2 ? kAlphabet[group & 63] : '=';
  }
  return out;
}

}  // namespace zvhost

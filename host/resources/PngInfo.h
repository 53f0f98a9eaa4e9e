// What the host needs to know of a PNG picture: its size and whether it carries alpha.
#pragma once

#include <cstdint>
#include <string>

#include "host/resources/ResourceSource.h"

namespace zvhost {

struct PngInfo {
  uint32_t width = 0;
  uint32_t height = 0;
  uint8_t bitDepth = 0;
  uint8_t colourType = 0;  // 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
  bool alpha = false;      // an alpha channel or a tRNS chunk
};

// Checks the signature, the IHDR chunk and every chunk's length and CRC up to IEND.
// `context` opens error messages ("picture 1685"). Throws FormatError naming the place.
PngInfo ParsePng(const Bytes &data, const std::string &context);

}  // namespace zvhost

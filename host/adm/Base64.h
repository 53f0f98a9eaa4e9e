// Base64 (RFC 4648, with padding), for pictures embedded in a snapshot as data: URIs.
#pragma once

#include <string>

#include "host/resources/ResourceSource.h"

namespace zvhost {

std::string Base64(const Bytes &data);

}  // namespace zvhost

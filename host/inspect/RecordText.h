// The records of `zarvel-host inspect` as text for people to read.
#pragma once

#include <ostream>

#include "host/inspect/ResourceRecords.h"

namespace zvhost {

void PrintRecordText(const InspectRecord &record, std::ostream &out);

}  // namespace zvhost

// The open documents with their art and stories, the selection, the text engine's suites
// and the document commands of the script.
#pragma once

#include "host/core/CommandTable.h"

namespace zvhost {

class Documents {
 public:
  // Offers the text-engine suites and the document, art set, text frame and document list
  // suites.
  Documents();
  ~Documents();

  void RegisterCommands(CommandTable &commands);
};

}  // namespace zvhost

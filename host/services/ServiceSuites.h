// The host's small service suites: the number conversions of the AI User Suite and the
// suites the module acquires without calling.
#pragma once

namespace zvhost {

void OfferUserSuites();
void OfferIdleSuites();

}  // namespace zvhost

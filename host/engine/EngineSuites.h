// The suites that the documents and the text engine offer; each file of host/engine/ that
// serves suites offers its own.
#pragma once

#include "host/core/SuiteRegistry.h"

namespace zvhost::engine {

// All 86 text-engine suites (with the ones below).
void OfferTextEngineSuites(SuiteRegistry &suites);
// One suite each.
void OfferTextRangesSuite(SuiteRegistry &suites);
void OfferTextRangeSuite(SuiteRegistry &suites);
void OfferTextRunsIteratorSuite(SuiteRegistry &suites);
void OfferCharFeaturesSuite(SuiteRegistry &suites);
void OfferParaFeaturesSuite(SuiteRegistry &suites);
void OfferCharInspectorSuite(SuiteRegistry &suites);
void OfferArrayKashidasSuite(SuiteRegistry &suites);
void OfferStorySuite(SuiteRegistry &suites);
void OfferTextFrameSuite(SuiteRegistry &suites);
// The suites of the other kinds, which have only the leading operations.
void OfferLeadingOnlySuites(SuiteRegistry &suites);

void OfferAIDocumentSuite(SuiteRegistry &suites);
void OfferAIArtSetSuite(SuiteRegistry &suites);
void OfferAITextFrameSuite(SuiteRegistry &suites);
void OfferAIDocumentListSuite(SuiteRegistry &suites);

}  // namespace zvhost::engine

// The text-engine suites that have only the leading operations (add a reference, release
// one, test for null), all served by one template; and the offer of all 86.
#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

// A suite with nothing but the leading operations has three function pointers.
template <class Suite>
constexpr bool kLeadingOnly = sizeof(Suite) == 3 * sizeof(void (*)());

// The suites with more are served by files of their own, which OfferTextEngineSuites calls.
#define ZV_COUNT_FULL_SUITE(kind, version) +(kLeadingOnly<ATE##kind##Suite> ? 0 : 1)
static_assert((0 ATE_SUITE_KINDS(ZV_COUNT_FULL_SUITE)) == 9,
              "a text-engine suite with operations of its own needs its own file");
#undef ZV_COUNT_FULL_SUITE

#define ZV_SUITE_NAME_CONSTANT(kind, version) constexpr char k##kind##Name[] = ATE_SUITE_NAME(kind);
ATE_SUITE_KINDS(ZV_SUITE_NAME_CONSTANT)
#undef ZV_SUITE_NAME_CONSTANT

template <class Suite, class Ref, const char *kSuite>
struct LeadingOnlySuite {
  static constexpr Suite kTable = {ZV_LEADING_ENTRIES(Ref)};
};

template <class Suite, class Ref, const char *kSuite>
void OfferIfLeadingOnly(SuiteRegistry &suites, int32_t version) {
  if constexpr (kLeadingOnly<Suite>) {
    // None of its operations returns a code, so none can be made to fail.
    suites.Offer(kSuite, version, &LeadingOnlySuite<Suite, Ref, kSuite>::kTable, {});
  }
}

}  // namespace

void OfferLeadingOnlySuites(SuiteRegistry &suites) {
#define ZV_OFFER_LEADING_ONLY(kind, version) \
  OfferIfLeadingOnly<ATE##kind##Suite, kind##Ref, k##kind##Name>(suites, version);
  ATE_SUITE_KINDS(ZV_OFFER_LEADING_ONLY)
#undef ZV_OFFER_LEADING_ONLY
}

void OfferTextEngineSuites(SuiteRegistry &suites) {
  OfferTextRangesSuite(suites);
  OfferTextRangeSuite(suites);
  OfferTextRunsIteratorSuite(suites);
  OfferCharFeaturesSuite(suites);
  OfferParaFeaturesSuite(suites);
  OfferCharInspectorSuite(suites);
  OfferArrayKashidasSuite(suites);
  OfferStorySuite(suites);
  OfferTextFrameSuite(suites);
  OfferLeadingOnlySuites(suites);
}

}  // namespace zvhost::engine

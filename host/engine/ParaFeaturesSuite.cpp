// "ATE ParaFeatures Suite": paragraph attributes read from text or to be applied to it.
#include "host/engine/EngineSuites.h"
#include "host/engine/FeatureAccess.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATEParaFeaturesSuite;
using FeaturesRef = ParaFeaturesRef;

HandleTable<ParaFeatureSet> &Table() {
  return Engine().paraFeatures;
}

ATEErr Initialize(ParaFeaturesRef *features) {
  if (features == nullptr) return kATEBadParameterErr;
  return HandOut(Table(), ParaFeatureSet{}, features);
}

// In the suite's order.
#define PARA_FEATURES(X)                                            \
  X(EveryLineComposer, kEveryLineComposer, HostBool)                \
  X(ParagraphDirection, kParagraphDirection, ParagraphDirection)    \
  X(JustificationMethod, kJustificationMethod, JustificationMethod) \
  X(ComposerEngine, kComposerEngine, ComposerEngine)

PARA_FEATURES(ZV_FEATURE_GETTER)
PARA_FEATURES(ZV_FEATURE_SETTER)

const ATEParaFeaturesSuite kTable = {ZV_LEADING_ENTRIES(ParaFeaturesRef) ZV_CHECKED_ENTRY(
    Initialize) PARA_FEATURES(ZV_FEATURE_GETTER_ENTRY) PARA_FEATURES(ZV_FEATURE_SETTER_ENTRY)};

}  // namespace

void OfferParaFeaturesSuite(SuiteRegistry &suites) {
  suites.Offer(
      kSuite, kATEParaFeaturesSuiteVersion, &kTable,
      {"Initialize", PARA_FEATURES(ZV_FEATURE_GETTER_NAME) PARA_FEATURES(ZV_FEATURE_SETTER_NAME)});
}

}  // namespace zvhost::engine
